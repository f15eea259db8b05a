// A tiny static server for the built site on 127.0.0.1 (a free port unless
// one is given), as any static host would serve it.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

export const siteDir = resolve(fileURLToPath(new URL('../../../build-web/site', import.meta.url)));

const types = {
  '.html': 'text/html; charset=utf-8', '.css': 'text/css', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.wasm': 'application/wasm', '.png': 'image/png', '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
};

export async function startSiteServer(port = 0) {
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = normalize(join(siteDir, path, path.endsWith('/') ? 'index.html' : ''));
    try {
      if (!file.startsWith(siteDir + sep)) throw new Error('outside the site');
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('Not found');
    }
  });
  await new Promise((done) => server.listen(port, '127.0.0.1', done));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((done) => server.close(done)) };
}

// Run directly, it serves the site until stopped and prints its address first.
if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const { url } = await startSiteServer(Number(process.argv[2] ?? 0));
  console.log(url);
}
