// Debian's chromium, headless, driven by playwright-core.

import { chromium } from 'playwright-core';

export const chromiumArgs = ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

export function launchChromium() {
  return chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', args: chromiumArgs });
}

// A fresh page of the site, once the form takes input.
export async function openSite(browser, url, contextOptions = {}) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, ...contextOptions });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  return { context, page };
}
