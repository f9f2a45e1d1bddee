// The browser page's figures in Debian's headless Chromium, each the median of several runs:
// what the page transfers (gzip), its first frame after navigation, and the CPU it takes while
// the autopilot plays level 11.
// Usage: node bench/page_figures.mjs WEB_BUILD [RUNS] [SECONDS]
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';
import { serve } from '../tools/serve_web.mjs';

const [webBuild = 'build/web', runs = '5', seconds = '30'] = process.argv.slice(2);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) / 2)];
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

const server = await serve(webBuild);
const pageUrl = `http://127.0.0.1:${server.address().port}/index.html`;
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });

// A fresh context each time: nothing cached, nothing stored. Only the transfer's run keeps the
// bodies: fetching them through the DevTools protocol slows the load it would time.
async function open(url, keepBodies = false) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width: 1400, height: 1000 });
  const bodies = [];
  if (keepBodies) page.on('response', (r) => bodies.push(r.buffer().catch(() => Buffer.alloc(0))));
  await page.goto(url);
  await page.waitForFunction(() => window.tarmac?.firstFrameMs !== undefined, { timeout: 20000 });
  return { context, page, bodies };
}

// Everything the page fetched until it stood, each file gzipped as a web host would send it.
{
  const { context, page, bodies } = await open(pageUrl, true);
  await sleep(2000);
  const files = await Promise.all(bodies);
  const bytes = files.reduce((sum, body) => sum + gzipSync(body, { level: 9 }).length, 0);
  console.log(`what the page transfers:       ${(bytes / 1e6).toFixed(3)} MB gzipped in ${files.length} files (goal <= 1)`);
  await page.close();
  await context.close();
}

// The browser's own floor for a first frame: a page that only draws one, from the same server.
const kBlankPage = `<!DOCTYPE html><canvas width=792 height=586></canvas><script>
  requestAnimationFrame(() => {
    document.querySelector('canvas').getContext('2d').fillRect(0, 0, 10, 10);
    window.tarmac = { firstFrameMs: performance.now() };
  });
</script>`;
const blankFolder = mkdtempSync(join(tmpdir(), 'tw-blank-'));
writeFileSync(join(blankFolder, 'index.html'), kBlankPage);
const blankServer = await serve(blankFolder);
const blankUrl = `http://127.0.0.1:${blankServer.address().port}/index.html`;

const frames = [], blank = [];
for (let i = 0; i < Number(runs); i++) {
  for (const [list, url] of [[frames, pageUrl], [blank, blankUrl]]) {
    const { context, page } = await open(url);
    // Milliseconds since the navigation started.
    list.push(await page.evaluate(() => window.tarmac.firstFrameMs) / 1000);
    await context.close();
  }
}
console.log(`first frame after navigation:  ${median(frames).toFixed(3)} s (goal <= 0.5); ` +
            `a page that only draws one: ${median(blank).toFixed(3)} s (the browser's floor here)`);

// Every process now: its parent, its CPU seconds, and whether it renders a page.
function processes() {
  const hz = 100;  // USER_HZ on Linux
  const found = [];
  for (const name of readdirSync('/proc').filter((n) => /^\d+$/.test(n))) {
    try {
      const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      found.push({ pid: Number(name), ppid: Number(fields[1]), cpu: (Number(fields[11]) + Number(fields[12])) / hz,
                   renderer: readFileSync(`/proc/${name}/cmdline`, 'utf8').includes('--type=renderer') });
    } catch {}  // gone meanwhile
  }
  return found;
}

// The CPU seconds of the browser's processes, and of its renderers among them.
function browserCpu(root) {
  const all = processes();
  const inTree = new Set([root]);
  for (let grew = true; grew;) {
    grew = false;
    for (const p of all) {
      if (inTree.has(p.pid) || !inTree.has(p.ppid)) continue;
      inTree.add(p.pid);
      grew = true;
    }
  }
  const mine = all.filter((p) => inTree.has(p.pid));
  const sum = (list) => list.reduce((s, p) => s + p.cpu, 0);
  return { total: sum(mine), renderer: sum(mine.filter((p) => p.renderer)) };
}

// The browser's own floor for the same: a bare canvas of the game screen's size with one line
// moved each frame, measured in the same runs.
const kBareCanvas = `<canvas width=792 height=586></canvas><script>
  const c = document.querySelector('canvas').getContext('2d');
  let x = 0;
  (function frame() {
    c.fillStyle = '#000'; c.fillRect(x, 0, 1, 586);
    x = (x + 1) % 333; c.fillStyle = '#0f0'; c.fillRect(x, 0, 1, 586);
    requestAnimationFrame(frame);
  })();
</script>`;

async function cpuWhile(start) {
  const context = await browser.createBrowserContext();
  await start(await context.newPage());
  await sleep(4000);
  const before = browserCpu(browser.process().pid);
  await sleep(Number(seconds) * 1000);
  const now = browserCpu(browser.process().pid);
  await context.close();
  return { total: (now.total - before.total) / Number(seconds), renderer: (now.renderer - before.renderer) / Number(seconds) };
}

const game = [], bare = [];
for (let i = 0; i < Number(runs); i++) {
  game.push(await cpuWhile((page) => page.goto(`${pageUrl}?demo&level=11`)));
  bare.push(await cpuWhile((page) => page.setContent(kBareCanvas)));
}
const pick = (list, key) => median(list.map((m) => m[key])).toFixed(4);
console.log(`level 11, autopilot playing:   ${pick(game, 'total')} CPU s per s, all of Chromium over ${seconds} s ` +
            `(goal <= 0.05); the page's renderer ${pick(game, 'renderer')}`);
console.log(`a bare canvas, 60 frames a s:  ${pick(bare, 'total')} CPU s per s, all of Chromium; its renderer ` +
            `${pick(bare, 'renderer')} (the browser's floor here)`);

await browser.close();
server.close();
blankServer.close();
rmSync(blankFolder, { recursive: true });
