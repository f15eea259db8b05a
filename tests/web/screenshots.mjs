// Takes the README's pictures of the page: docs/screenshots/web-phone.png
// (360 x 640) and web-desktop.png (1280 x 800), the sample tag filled in.
// Run: node tests/web/screenshots.mjs [output folder]

import { resolve } from 'node:path';
import { launchChromium, openSite } from './support/browser.mjs';
import { startSiteServer } from './support/site_server.mjs';

const folder = resolve(process.argv[2] ?? new URL('../../docs/screenshots', import.meta.url).pathname);
const [browser, server] = await Promise.all([launchChromium(), startSiteServer()]);
try {
  for (const [name, viewport] of [['web-phone', { width: 360, height: 640 }], ['web-desktop', { width: 1280, height: 800 }]]) {
    const { context, page } = await openSite(browser, server.url, { viewport });
    await page.click('[data-id="1051"]');
    await page.click('.sample-tag');
    await page.evaluate(() => { document.activeElement.blur(); window.scrollTo(0, 0); });
    await page.screenshot({ path: `${folder}/${name}.png` });
    await context.close();
  }
} finally {
  await browser.close();
  await server.close();
}
