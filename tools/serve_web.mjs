// Serves a built page folder on this machine only, as any static web host would.
// Usage: node tools/serve_web.mjs FOLDER [PORT]   (port 0: any free one; the first line printed
// is the address)
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.wasm': 'application/wasm', '.css': 'text/css', '.json': 'application/json',
  '.png': 'image/png', '.jpg': 'image/jpeg', '.svg': 'image/svg+xml', '.wav': 'audio/wav',
  '.otf': 'font/otf', '.ttf': 'font/ttf', '.woff2': 'font/woff2', '.data': 'application/octet-stream',
};

export function serve(folder, port = 0) {
  const root = normalize(folder + sep);
  // A script rides in the address (index.html?script=...): take addresses as long as Chromium
  // sends (2 MB), not node's default 16 KB of headers.
  const server = createServer({ maxHeaderSize: 4 << 20 }, (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    let file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    // Nothing outside the folder, whatever the address says.
    if (!file.startsWith(root)) file = '';
    let size = -1;
    try {
      const stat = statSync(file);
      if (stat.isFile()) size = stat.size;
    } catch {}
    if (size < 0) {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
      return;
    }
    response.writeHead(200, {
      'Content-Type': types[extname(file)] ?? 'application/octet-stream',
      'Content-Length': size,
      'Cache-Control': 'no-cache',
    });
    if (request.method === 'HEAD') return response.end();
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [folder, port = '8000'] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node tools/serve_web.mjs FOLDER [PORT]');
    process.exit(2);
  }
  const server = await serve(folder, Number(port));
  console.log(`Serving ${folder} at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
