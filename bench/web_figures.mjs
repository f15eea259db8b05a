// The web page's figures on this machine, in Debian's headless chromium from
// a local server: the weight of the site gzip-compressed, the time from
// navigation to a form that takes input (cold cache, median of 10) and one
// decode in the page from the Decode press to the lines laid out (median).
//   bash scripts/build-web.sh && node bench/web_figures.mjs

import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launchChromium, openSite } from '../tests/web/support/browser.mjs';
import { siteDir } from '../tests/web/support/site_server.mjs';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const files = readdirSync(siteDir, { recursive: true, withFileTypes: true }).filter((f) => f.isFile());
const weight = files.reduce((sum, f) => sum + gzipSync(readFileSync(join(f.parentPath ?? f.path, f.name)), { level: 9 }).length, 0);
console.log(`site weight, gzip -9, ${files.length} files: ${(weight / 1024).toFixed(1)} KiB (at most 300 KB)`);

// The server runs in a process of its own, as a web host would, not in this one's event loop.
const server = spawn(process.execPath, [new URL('../tests/web/support/site_server.mjs', import.meta.url).pathname]);
const [address] = await once(server.stdout, 'data');
server.url = String(address).trim();
const browser = await launchChromium();
try {
  const ready = [];
  for (let i = 0; i < 10; ++i) {
    const { context, page } = await openSite(browser, server.url);  // a new context: an empty cache
    ready.push(await page.evaluate(() => performance.getEntriesByName('vexlor-form-ready')[0].startTime));
    await context.close();
  }
  console.log(`runs: ${ready.map((t) => t.toFixed(0)).join(" ")} ms`);
  console.log(`navigation to a form that takes input, cold cache: median ${median(ready).toFixed(1)} ms of 10, fastest ${Math.min(...ready).toFixed(1)} ms (at most 300 ms)`);

  const { context, page } = await openSite(browser, server.url);
  await page.click('[data-id="1051"]');
  await page.click('.sample-tag');
  const decodes = await page.evaluate(() => {
    const times = [];
    for (let i = 0; i < 50; ++i) {
      const start = performance.now();
      document.querySelector('[data-id="1050"]').click();
      const list = document.querySelector('.results-list');
      void list.lastElementChild.getBoundingClientRect();  // laid out
      times.push(performance.now() - start);
      list.closest('dialog').close();
    }
    return times;
  });
  console.log(`one decode in the page, Decode press to the lines laid out: median ${median(decodes).toFixed(2)} ms of 50 (at most 10 ms)`);
  await context.close();
} finally {
  await browser.close();
  server.kill();
}
