// Plays the browser page in Debian's Chromium as a player would: real mouse and key events
// at points on the canvas, message boxes closed by their OK, the page reloaded, the demo run;
// and holds the page's scripted runs to the desktop's headless transcripts, byte for byte.
// Usage: node tests/web/page_test.mjs WEB_BUILD DESKTOP_GAME
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import puppeteer from 'puppeteer-core';
import { serve } from '../../tools/serve_web.mjs';

const [webBuild = 'build/web', desktopGame = 'build/test/tarmac-warden'] = process.argv.slice(2);

// A clock stopped at 09:00:00.338 draws B - 1 for plane 0, heading south from A - 1: one turn
// and one step from its landing.
const kStoppedClock = Date.UTC(2026, 0, 1, 9, 0, 0, 338);
const kTwipsPerPixel = 15;

let server, browser, base;
// What every page printed to its console as an error, by its address.
const errors = [];

before(async () => {
  server = await serve(webBuild);
  base = `http://127.0.0.1:${server.address().port}/index.html`;
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required'],
    env: { ...process.env, TZ: 'UTC' },
  });
});

after(async () => {
  await browser?.close();
  server?.close();
});

// A page in a context of its own (storage starts empty), watched for errors.
async function openPage(query = '', { clock, context } = {}) {
  const page = await (context ?? (await browser.createBrowserContext())).newPage();
  await page.setViewport({ width: 1400, height: 1000 });
  // Waits only bound a failure: a busy machine may be slow, never wrong.
  page.setDefaultTimeout(120000);
  const seen = [];
  errors.push([query || '(play)', seen]);
  page.on('console', (m) => m.type() === 'error' && seen.push(m.text()));
  page.on('pageerror', (e) => seen.push(String(e)));
  if (clock !== undefined) {
    await page.evaluateOnNewDocument((stopped) => {
      const RealDate = Date;
      window.Date = class extends RealDate {
        constructor(...args) { if (args.length) super(...args); else super(stopped); }
        static now() { return stopped; }
      };
    }, clock);
  }
  await page.goto(base + query);
  return page;
}

const firstFrame = (page) => page.waitForFunction(() => window.tarmac?.firstFrameMs !== undefined);
const value = async (page, name) => {
  const line = await page.evaluate((n) => window.tarmac.print(n), name);
  return line.slice(line.indexOf(' = ') + 3);
};
const until = (page, name, wanted, timeout = 30000) =>
  page.waitForFunction((n, w) => window.tarmac.print(n) === `${n} = ${w}`, { timeout, polling: 50 }, name, wanted);

// The first plane on the board, once one flies: the last may have just landed or left.
const flyingPlane = async (page) => (await page.waitForFunction(() => {
  for (let n = 0; ; ++n) {
    const shown = window.tarmac.print(`Form1.Aereo(${n}).Visible`);
    if (shown.startsWith('error')) return false;  // past the last plane made
    if (shown.endsWith(' = true')) return `Aereo(${n})`;
  }
}, { polling: 100 })).jsonValue();

// The page point of an element's centre; `inside` names the container it is placed in.
async function pointOf(page, form, element, inside) {
  let x = 0, y = 0;
  for (const name of inside ? [inside, element] : [element]) {
    x += Number(await value(page, `${form}.${name}.Left`));
    y += Number(await value(page, `${form}.${name}.Top`));
  }
  x += Number(await value(page, `${form}.${element}.Width`)) / 2;
  y += Number(await value(page, `${form}.${element}.Height`)) / 2;
  const box = await (await page.$(`.tw-window[data-window="${form}"] canvas.tw-client`)).boundingBox();
  return { x: box.x + x / kTwipsPerPixel, y: box.y + y / kTwipsPerPixel };
}

async function clickOn(page, form, element, inside) {
  const { x, y } = await pointOf(page, form, element, inside);
  await page.mouse.click(x, y);
}

async function pressOK(page, text) {
  const box = await page.waitForSelector('.tw-message');
  assert.equal(await box.$eval('.tw-message-text', (p) => p.textContent), text);
  assert.equal(await box.$eval('.tw-caption', (s) => s.textContent), 'Tarmac Warden');
  await (await box.$('.tw-ok')).click();
  await page.waitForSelector('.tw-message', { hidden: true });
}

test('a player clicks a plane, turns it, lands it, saves, reloads the page and loads', async () => {
  const context = await browser.createBrowserContext();
  const page = await openPage('', { clock: kStoppedClock, context });
  await firstFrame(page);
  // The mission's set-up draws the destination 10 ms in.
  await until(page, 'Form1.DT', 'B - 1').catch(() => assert.fail('the stopped clock no longer draws B - 1'));
  // Paused, the plane waits on A - 1 for its turn however slowly the page came up.
  await page.keyboard.press('p');
  assert.equal(await value(page, 'Form1.Posi(0)'), 'A - 1');
  await clickOn(page, 'Form1', 'Aereo(0)');
  assert.equal(await value(page, 'Form1.CL'), '2');

  // The hand and the tooltip over a button.
  const land = await pointOf(page, 'Form1', 'Label1', 'Picture1');
  await page.mouse.move(land.x, land.y);
  const canvas = await page.$('.tw-window[data-window="Form1"] canvas.tw-client');
  assert.match(await canvas.evaluate((c) => c.style.cursor), /pointer/);
  assert.equal(await canvas.evaluate((c) => c.title), 'Land the plane (Enter or L)');

  await clickOn(page, 'Form1', 'DestAereo(3)', 'Picture1');
  assert.equal(await value(page, 'Form1.AereoDir(0)'), 'o');
  await page.keyboard.press('p');
  await until(page, 'Form1.Posi(0)', 'B - 1');
  await page.keyboard.press('Enter');
  assert.equal(await value(page, 'Form1.Salvati'), '4');
  assert.equal(await value(page, 'Form1.Aereo(0).Visible'), 'false');

  await page.keyboard.press('m');
  assert.equal(await value(page, 'Program.Muted'), 'true');
  // The box says "Saved" once the browser's storage holds the game, and the choice made before.
  await clickOn(page, 'Form1', 'Label2');
  await pressOK(page, 'Saved');

  // The saved game and the mute choice outlive the page.
  await page.reload();
  await firstFrame(page);
  await until(page, 'Program.Muted', 'true');
  await until(page, 'Form1.Salvati', '5');
  await clickOn(page, 'Form1', 'Label3');
  await pressOK(page, 'Are you ready?');
  await until(page, 'Form1.Salvati', '4');
  await context.close();
});

test('a hidden tab pauses the game as minimising does', async () => {
  const context = await browser.createBrowserContext();
  const page = await openPage('', { context });
  await firstFrame(page);
  assert.equal(await value(page, 'Form1.Label4'), '||');
  const other = await context.newPage();
  await other.bringToFront();
  await page.waitForFunction(() => document.visibilityState === 'hidden');
  await until(page, 'Form1.Label4', '>');
  const time = await value(page, 'Form1.TM');
  await new Promise((r) => setTimeout(r, 1500));
  assert.equal(await value(page, 'Form1.TM'), time);
  await context.close();
});

test('the demo plays until the player clicks, then the game waits for the player', async () => {
  const page = await openPage('?demo&level=11');
  await firstFrame(page);
  // Planes come in heading south: before the first leaves the board, the autopilot turns it or
  // lands it in column A, with no player.
  await page.waitForFunction(() => /= [neo]$/.test(window.tarmac.print('Form1.AereoDir(0)')) ||
                                   /= ([0-9]|[12][0-9]|3[0-8])$/.test(window.tarmac.print('Form1.Salvati')),
                             { timeout: 120000, polling: 100 });
  // A click where nothing takes it hands the game over; a landing away from the destination
  // ends it in a box that waits for its OK, as no box does in the demo.
  await clickOn(page, 'Form1', 'LV');
  // A flying plane chosen by its point; it may move between the look and the click.
  for (let tries = 0; (await value(page, 'Form1.Picture1.Visible')) !== 'true' && tries < 5; ++tries) {
    await clickOn(page, 'Form1', await flyingPlane(page));
  }
  await page.keyboard.press('l');
  const box = await page.waitForSelector('.tw-message');
  assert.equal(await box.$eval('.tw-message-text', (p) => p.textContent),
               'Ops...Landed in the wrong coordinates!!!  Game Over!');
  await new Promise((r) => setTimeout(r, 3000));
  assert.ok(await box.isVisible());
  await (await box.$('.tw-ok')).click();
  await page.waitForSelector('.tw-window[data-window="Form2"]');
  await page.browserContext().close();
});

// What the desktop's headless runner prints for these, the page prints byte for byte.
const scripts = {
  'a plane turned and landed wrongly, then the menu': {
    options: { 'timer-resolution': 1, 'time-of-day': 3600 },
    text: `wait 50
print Form1.DT
click Form1.Aereo(0)
click Form1.DestAereo(3)
wait 5000
print Form1.Posi(0)
key Form1 Return
windows
print Form2.Caption
`,
  },
  'saving, loading and names that are not there': {
    options: { 'time-of-day': 60 },
    text: `wait 6000
click Form1.Label2
click Form1.Label3
print Form1.Salvati
print Form1.Nothing
set Form1.Salvati 3
print Form1.Salvati
screenshot Form1 /tmp/x.png
type Form1.Text1 ab
print Form1.Text1
`,
  },
  'the level chooser and a level': {
    options: {},
    text: `close Form1
windows
click Form2.Label5
click Form5.XX(10)
wait 4000
print Form1.LV
print Form1.Salvati
autopilot on
wait 60000
print Form1.TM
`,
  },
};

// Standard output, then "exit N" when it failed, and standard error.
function desktopRun(script, options) {
  const home = mkdtempSync(join(tmpdir(), 'tarmac-page-'));
  const args = ['--headless', '--script', '-'];
  for (const [name, v] of Object.entries(options)) args.push(`--${name}`, String(v));
  try {
    const out = execFileSync(desktopGame, args, {
      input: script,
      stdio: ['pipe', 'pipe', 'pipe'],
      env: { ...process.env, HOME: home, XDG_CONFIG_HOME: join(home, 'c'), XDG_DATA_HOME: join(home, 'd') },
    });
    return { out: out.toString(), err: '' };
  } catch (failed) {
    return { out: failed.stdout.toString() + `exit ${failed.status}`, err: failed.stderr.toString() };
  } finally {
    rmSync(home, { recursive: true, force: true });
  }
}

for (const [name, { options, text }] of Object.entries(scripts)) {
  test(`a script on the page prints what the desktop prints: ${name}`, async () => {
    let query = `?script=${encodeURIComponent(text)}`;
    for (const [option, v] of Object.entries(options)) query += `&${option}=${v}`;
    const page = await openPage(query);
    await page.waitForFunction(() => document.title.startsWith('exit '), { timeout: 120000 });
    const status = (await page.title()).slice(5);
    const shown = await page.$eval('#transcript', (pre) => pre.textContent);
    const desktop = desktopRun(text, options);
    assert.equal(shown + (status === '0' ? '' : `exit ${status}`), desktop.out);
    // Its errors, one a line, are the console's only errors.
    const [, said] = errors.findLast(([q]) => q === query);
    assert.deepEqual(said, desktop.err.split('\n').filter((line) => line !== ''));
    said.length = 0;
    await page.browserContext().close();
  });
}

test('no page printed an error to its console', () => {
  for (const [query, said] of errors) assert.deepEqual(said, [], query);
});
