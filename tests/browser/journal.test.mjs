// The journal on the desk page: every entry sent, newest first, with its mask, time and the
// host's answer, escape texts shown as their characters, searched, and still there after the
// desk restarts on the same home.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openMaskPage, startDesk } from './desk.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;

async function send(desk, className, control, text) {
  const page = await desk.context.newPage();
  await openMaskPage(page, desk, className);
  await page.locator(`[data-control="${control}"]`).focus();
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
  await page.waitForSelector('[data-event-log] [data-event="Send"]');
  await page.close();
}

const entries = (page) => page.$$eval('[data-journal] > [data-entry]', (items) => items.map((item) => ({
  command: item.dataset.command, mask: item.dataset.mask, time: item.dataset.time, text: item.textContent,
})));

test('the journal lists what was sent, newest first, searched, and outlives a restart', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'quillet-journal-'));
  let desk;
  try {
    desk = await startDesk(binary, {}, { home: folder });
    await send(desk, 'PNRCreationFax', '304', '5551234');
    await send(desk, 'PNRCreationEmail', '306', 'ann@host.test');
    const page = await desk.context.newPage();
    await page.goto(desk.address);
    await page.waitForFunction(() => document.querySelectorAll('[data-journal] > [data-entry]').length === 2);
    const listed = await entries(page);
    assert.deepEqual(listed.map((entry) => entry.mask), ['PNRCreationEmail', 'PNRCreationFax']);
    assert.equal(listed[1].command, '9 5551234-F');
    for (const entry of listed) assert.match(entry.time, /^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$/);
    // An escape text shows as its character, marked; the entry keeps the exact text.
    assert.match(listed[0].command, /\\u00A5/);
    assert.ok(await page.$('[data-journal] > [data-entry]:first-child .escape[data-raw="\\\\u00A5"]'));
    assert.doesNotMatch(listed[0].text, /\\u00A5/);
    await page.fill('#journal-search', 'fax');
    await page.waitForFunction(() => document.querySelectorAll('[data-journal] > [data-entry]').length === 1);
    assert.equal((await entries(page))[0].command, '9 5551234-F');
    await page.close();
    assert.equal(statSync(join(folder, 'home', 'journal.db')).mode & 0o777, 0o600);
    assert.equal(await desk.stop(), 0);

    desk = await startDesk(binary, {}, { home: folder });
    const again = await desk.context.newPage();
    await again.goto(desk.address);
    await again.waitForFunction(() => document.querySelectorAll('[data-journal] > [data-entry]').length === 2);
    assert.deepEqual((await entries(again)).map((entry) => entry.command), listed.map((entry) => entry.command));
    const api = await (await desk.api('/api/journal?limit=1')).json();
    assert.equal(api.entries.length, 1);
    assert.equal((await desk.api('/api/journal?limit=lots')).status, 400);
    await again.close();
    assert.equal(await desk.stop(), 0);
  } finally {
    await desk?.stop();
    rmSync(folder, { recursive: true, force: true });
  }
});
