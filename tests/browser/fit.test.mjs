// The dialogs in the page's own font: every text whole in its box on every mask at 100% and
// 125% zoom, one text size throughout a dialog, and a dialog taller than the window scrolling
// inside its panel with its buttons and the preview in reach.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { openMaskPage, startDesk } from './desk.mjs';
import { cutTexts, zoom } from './fit.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;

before(async () => { desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' }); });
after(async () => { assert.equal(await desk.stop(), 0); });

const openMask = (page, className) => openMaskPage(page, desk, className);

test('every text shows whole in its box on every mask, at 100% and 125% zoom', async () => {
  const masks = (await (await desk.api('/api/desk')).json()).masks;
  assert.equal(masks.length, 26);
  for (const factor of [1, 1.25]) {
    const cut = [];
    for (const className of masks) {
      const page = await desk.context.newPage();
      await zoom(page, factor);
      await openMask(page, className);
      for (const entry of await cutTexts(page)) cut.push(`${className} ${entry.control} "${entry.text}"`);
      await page.close();
    }
    assert.deepEqual(cut, [], `texts cut at ${factor * 100}%`);
  }
});

test('the dialog font is the page\'s own, in one size for every control', async () => {
  const page = await desk.context.newPage();
  await openMask(page, 'PNRCreationRemarks');
  const fonts = await page.evaluate(() => {
    const sizes = new Set();
    for (const node of document.querySelectorAll('#dialog [data-control], #dialog .combo input, #dialog .combo select, #dialog legend')) {
      sizes.add(getComputedStyle(node).fontSize);
    }
    return { sizes: [...sizes], loaded: document.fonts.check('11px "Quillet Sans"') };
  });
  assert.ok(fonts.loaded, 'the shipped font is loaded');
  assert.deepEqual(fonts.sizes, ['11px']);
  const font = await desk.api('/assets/liberation-sans-regular.ttf');
  assert.equal(font.status, 200);
  assert.equal(font.headers.get('content-type'), 'font/ttf');
  await page.close();
});

test('a dialog taller than the window scrolls in its panel, Send and the preview in reach', async () => {
  const page = await desk.context.newPage();
  await page.setViewportSize({ width: 1400, height: 900 });
  await openMask(page, 'PNRCreationFIT');
  const layout = await page.evaluate(() => {
    const panel = document.querySelector('.dialog-scroll');
    return { scrolls: panel.scrollHeight > panel.clientHeight, pageScrolls: document.documentElement.scrollHeight > innerHeight + 1,
      preview: document.getElementById('preview').getBoundingClientRect().bottom <= innerHeight };
  });
  assert.deepEqual(layout, { scrolls: true, pageScrolls: false, preview: true });
  // Tab order reaches Send, and the panel shows it.
  await page.locator('[data-control="223"]').focus();
  const shown = await page.evaluate(() => {
    const send = document.querySelector('[data-control="223"]').getBoundingClientRect();
    const panel = document.querySelector('.dialog-scroll').getBoundingClientRect();
    return send.top >= panel.top && send.bottom <= panel.bottom;
  });
  assert.ok(shown, 'Send scrolled into view');
  await page.close();
});
