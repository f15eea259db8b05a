// The web page in Debian's chromium: what the page adds to the core's form
// logic (drawing, keyboard, dialogs, download, offline use, safety). The
// decode rules and the pick-list rules themselves are tested in C++.

import assert from 'node:assert/strict';
import { readFileSync, readdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, relative } from 'node:path';
import { after, before, describe, it } from 'node:test';
import { launchChromium, openSite } from './support/browser.mjs';
import { core, fieldIds, ids, memoryForm, nativeDecode, tagForm } from './support/core.mjs';
import { siteDir, startSiteServer } from './support/site_server.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const years = ['1967', '1968', '1969'];
const markup = '<img src=x onerror=alert(1)>';
const input = (id) => `#c${id}`;
const requests = [];
let browser;
let server;

before(async () => { [browser, server] = await Promise.all([launchChromium(), startSiteServer()]); });
after(async () => { await browser?.close(); await server?.close(); });

async function open(options) {
  const opened = await openSite(browser, server.url, options);
  opened.page.on('request', (request) => requests.push(request.url()));
  return opened;
}

async function pickYear(page, year) {
  await page.click(`${input(ids.year)} ~ .combo-open`);
  await page.click(`#l${ids.year} [role="option"]:text-is("${year}")`);
}

// Fills the form from a tag keyed by command-line names: a listed year is picked, any other text typed.
async function fill(page, tag) {
  for (const [name, text] of Object.entries(tag)) {
    if (name === 'year' && years.includes(text)) await pickYear(page, text);
    else await page.fill(input(fieldIds[name]), text);
  }
}

const decodedLines = async (page) => {
  await page.click(`[data-id="${ids.decode}"]`);
  return page.$$eval('.results-list li', (items) => items.map((item) => item.textContent));
};

async function useSampleTag(page) {
  await page.click(`[data-id="${ids.helpDecoding}"]`);
  await page.click('.sample-tag');
}

const phone = { width: 360, height: 640 };
const sideways = (page) => page.evaluate(() => document.documentElement.scrollWidth > window.innerWidth);

describe('the tag form', () => {
  for (const viewport of [phone, { width: 1280, height: 800 }]) {
    it(`shows at ${viewport.width} px each year's fields as the core lays them out, none over another, no sideways scroll`, async () => {
      const { context, page } = await open({ viewport });
      for (const [index, year] of years.entries()) {
        await pickYear(page, year);
        const { state, session } = memoryForm();
        session.onYearSelChange(index);
        session.delete();
        // A phone shows each field under its name, without the tag's labels and rivets.
        const drawn = (c) => c.id >= 0 && c.id !== ids.exitButton && (viewport !== phone || c.accessibleName || c.centred || c.kind === 'PushButton');
        for (const { id } of tagForm.controls.filter(drawn)) {
          assert.equal(await page.isVisible(`[data-id="${id}"]`), state.get(id).shown, `${year}: ${id}`);
        }
        const boxes = await page.$$eval('.tag input', (all) => all.filter((i) => i.offsetParent).map((i) => i.getBoundingClientRect()));
        const overlap = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
        boxes.forEach((a, i) => boxes.slice(i + 1).forEach((b) => assert.ok(!overlap(a, b), `${year}: fields overlap`)));
        assert.equal(await sideways(page), false, year);
      }
      await context.close();
    });
  }

  it('drops down the core list by keyboard and a pick empties the field that depends on it', async () => {
    const { context, page } = await open();
    await page.fill(input(ids.style), '67-12437');
    await page.focus(input(ids.vinPrefix));
    await page.keyboard.press('ArrowDown');
    const { state, session } = memoryForm();
    session.onDropDown(ids.vinPrefix);
    session.delete();
    const offered = await page.$$eval(`#l${ids.vinPrefix} [role="option"]`, (all) => all.map((o) => o.textContent));
    assert.deepEqual(offered, [...state.get(ids.vinPrefix).list].sort());
    for (let i = 0; i <= offered.indexOf('124677N'); ++i) await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await page.inputValue(input(ids.vinPrefix)), '124677N');
    assert.equal(await page.inputValue(input(ids.style)), '');
    await context.close();
  });

  it('asks for the body style in an alert dialog, then moves to the style box', async () => {
    const { context, page } = await open();
    await page.focus(input(ids.trim));
    const alert = page.getByRole('alertdialog', { name: 'Vexlor' });
    assert.equal(await alert.textContent(), 'VexlorPlease select the body style (ST) first.OK');
    await page.keyboard.press('Enter');
    await alert.waitFor({ state: 'detached' });
    assert.equal(await page.evaluate(() => document.activeElement.id), `c${ids.style}`);
    await context.close();
  });

  it('works by keyboard alone: mnemonics, Tab from the year box to Decode in template order with a visible focus, Enter decodes', async () => {
    const { context, page } = await open();
    await page.keyboard.press('Alt+h');
    await page.keyboard.press('Enter');
    const expected = tagForm.controls.filter((c) => !c.hidden && !c.disabled && c.id !== ids.exitButton
      && ['ComboBox', 'EditBox', 'PushButton'].includes(c.kind)).map((c) => c.id);
    const walked = [];
    do {
      walked.push(await page.evaluate(() => {
        const focused = document.activeElement;
        return getComputedStyle(focused).outlineStyle === 'none' ? 'no visible focus' : Number(focused.closest('[data-id]')?.dataset.id);
      }));
      await page.keyboard.press('Tab');
    } while (walked.at(-1) !== ids.decode && walked.length < expected.length);
    assert.deepEqual(walked, expected.slice(0, expected.indexOf(ids.decode) + 1));
    await page.keyboard.press('Alt+v');  // the label "Vin#:" leads to its field, where Enter decodes
    assert.equal(await page.evaluate(() => document.activeElement.id), `c${ids.vinPrefix}`);
    await page.keyboard.press('Enter');
    await page.getByRole('dialog', { name: 'Here is your car' }).waitFor();
    await context.close();
  });

  it('offers Undo below the tag after Clear All: Alt+U puts the fields back, the next edit ends the offer', async () => {
    const { context, page } = await open();
    const values = () => page.$$eval('.tag input', (all) => all.map((field) => field.value));
    const line = page.getByRole('status');
    const undo = page.getByRole('button', { name: 'Undo' });
    await useSampleTag(page);
    const sample = await values();
    await page.click(`[data-id="${ids.clearAll}"]`);
    assert.equal(await line.textContent(), 'Form cleared.');
    const [tag, bar] = await Promise.all([page.locator('.tag').boundingBox(), page.locator('.undo-bar').boundingBox()]);
    assert.ok(bar.y >= tag.y + tag.height, 'the line stands over the tag');
    await page.keyboard.press('Alt+u');
    assert.deepEqual(await values(), sample);
    assert.equal(await undo.isVisible(), false);
    await page.click(`[data-id="${ids.clearAll}"]`);
    await undo.waitFor();
    await page.fill(input(ids.serial), '1');
    assert.deepEqual([await line.textContent(), await undo.isVisible()], ['', false]);
    await context.close();
  });

  it('shows markup typed into every field as text and runs nothing', async () => {
    const { context, page } = await open();
    page.on('dialog', (dialog) => assert.fail(`a script ran: ${dialog.message()}`));
    for (const year of ['1969', '1967']) {
      await pickYear(page, year);
      for (const id of Object.values(fieldIds)) if (id !== ids.year && await page.isVisible(input(id))) await page.fill(input(id), markup);
      assert.ok((await decodedLines(page)).some((line) => line.includes('<IMG SRC=X ONERROR=ALERT(1)>')), year);
      await page.getByRole('button', { name: 'BACK' }).click();
    }
    await page.fill(input(ids.year), markup);
    await page.keyboard.press('Enter');
    await page.getByRole('alertdialog').waitFor();
    assert.equal(await page.locator('img[src="x"]').count(), 0);
    await context.close();
  });
});

describe('decoding in the page', () => {
  it('fills the form from the sample tag and decodes it as the native program', async () => {
    const { context, page } = await open();
    await page.click(`[data-id="${ids.helpDecoding}"]`);
    await page.getByRole('button', { name: 'Sample tag: press to fill in the form' }).press('Enter');
    for (const [id, text] of core.sampleTagValues()) assert.equal(await page.inputValue(input(id)), text);
    assert.deepEqual(await decodedLines(page), nativeDecode({ sample: '' }));
    await context.close();
  });

  const tags = [
    { year: '1968', vin: '124678L', serial: '123456', date: '03B', style: '68-12467', plant: 'LOS', body: '1234', trim: '718', paint: 'C', top: '1' },
    { year: '1969', vin: '124379N', serial: '600001', style: '69-12437', plant: 'NOR', body: '45678', trim: '711', paint: '51', top: '53', date69: '04L', code69: 'X33' },
    { year: '67', vin: '9x', serial: 'abc', style: '67-12467', trim: '999', paint: 'q', group1: 'ZZ', group5: 'a,b' },
  ];
  for (const tag of tags) {
    it(`shows the native lines of ${JSON.stringify(tag)}`, async () => {
      const { context, page } = await open();
      await fill(page, tag);
      assert.deepEqual(await decodedLines(page), nativeDecode(tag));
      await context.close();
    });
  }

  it('downloads the decode file the native program saves on the same day, byte for byte', async () => {
    const epoch = 1700000000;
    const { context, page } = await open({ timezoneId: 'UTC', acceptDownloads: true });
    await page.clock.setFixedTime(new Date(epoch * 1000));
    await fill(page, tags[0]);
    await decodedLines(page);
    const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: 'Save data to a file' }).click()]);
    const native = nativeDecode(tags[0], epoch);
    assert.equal(download.suggestedFilename(), native.name);
    assert.deepEqual(readFileSync(await download.path()), native.bytes);
    await context.close();
  });
});

describe('reach, access and privacy', () => {
  it('has no accessibility violations in each year and in the results', async () => {
    const { context, page } = await open({ bypassCSP: true });
    await page.evaluate(axeSource);
    const check = async (what) => {
      const { violations } = await page.evaluate(() => axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] }));
      assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], what);
    };
    for (const year of years) { await pickYear(page, year); await check(year); }
    await useSampleTag(page);
    await decodedLines(page);
    await check('results');
    await context.close();
  });

  it('never scrolls sideways on a phone in the sample tag and the results', async () => {
    const { context, page } = await open({ viewport: phone });
    await page.click(`[data-id="${ids.helpDecoding}"]`);
    assert.equal(await sideways(page), false, 'sample tag');
    await page.click('.sample-tag');
    await decodedLines(page);
    assert.equal(await sideways(page), false, 'results');
    await context.close();
  });

  it('opens and decodes offline after the first visit', async () => {
    const { context, page } = await open();
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    await useSampleTag(page);
    assert.deepEqual(await decodedLines(page), nativeDecode({ sample: '' }));
    await context.close();
  });

  it('can be installed as an app', async () => {
    const { context, page } = await open();
    await page.evaluate(() => navigator.serviceWorker.ready);
    const { installabilityErrors } = await (await context.newCDPSession(page)).send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'), []);
    await context.close();
  });

  it('keeps every file of the site for offline use', () => {
    const listed = [...readFileSync(join(siteDir, 'sw.js'), 'utf8').matchAll(/^ {2}'([^']+)',$/gm)].map((m) => m[1]);
    const files = readdirSync(siteDir, { recursive: true, withFileTypes: true }).filter((f) => f.isFile())
      .map((f) => relative(siteDir, join(f.parentPath ?? f.path, f.name))).filter((f) => f !== 'sw.js');
    assert.deepEqual(files.filter((f) => !listed.includes(f)), []);
    assert.deepEqual(listed.filter((f) => f !== './' && !files.includes(f)), []);
  });

  it('asks no other origin for anything', () => {
    assert.ok(requests.length > 0);
    assert.deepEqual(requests.filter((url) => !url.startsWith(server.url) && !url.startsWith('blob:')), []);
  });
});
