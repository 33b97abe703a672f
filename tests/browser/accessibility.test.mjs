// axe-core on the desk page and every mask: no critical or serious fault, except the contrast
// of the colours a mask sets itself; under "High contrast" not even those. And the names the
// page gives: fields by the label before them, mandatory fields required, tooltips as
// descriptions shown on focus, buttons of dots by what they open, the preview's live line.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { openMaskPage, startDesk } from './desk.mjs';
import { axeFaults, markDialogNodes } from './axe.mjs';

const binary = process.env.QUILLET || new URL('../../build/bin/quillet', import.meta.url).pathname;
let desk;
let masks;

before(async () => {
  desk = await startDesk(binary, { QUILLET_WEB_GRACE_MS: '1000' });
  masks = (await (await desk.api('/api/desk')).json()).masks;
});
after(async () => { assert.equal(await desk.stop(), 0); });

async function open(page, path) {
  if (path !== '/') return openMaskPage(page, desk, path.slice('/mask/'.length), { timeout: 90000 });
  await page.goto(new URL(path, desk.address).href);
  await page.waitForSelector('a[data-mask]');
}

async function setHighContrast(page, on) {
  await page.evaluate((value) => localStorage.setItem('quillet.highContrast', value ? 'on' : 'off'), on);
}

for (const highContrast of [false, true]) {
  test(`axe finds no critical or serious fault on any page${highContrast ? ' under High contrast' : ''}`, async () => {
    const faults = [];
    const page = await desk.context.newPage();
    await page.goto(desk.address);
    await setHighContrast(page, highContrast);
    for (const path of ['/', ...masks.map((className) => `/mask/${className}`)]) {
      await open(page, path);
      for (const fault of await markDialogNodes(page, await axeFaults(page))) {
        // The masks' own colours are theirs to fix; High contrast sets them aside.
        if (!highContrast && fault.rule === 'color-contrast' && fault.inDialog) continue;
        faults.push(`${path} ${fault.rule} ${fault.target}`);
      }
    }
    await setHighContrast(page, false);
    await page.close();
    assert.deepEqual(faults, []);
  });
}

test('fields are named by their labels, mandatory ones required, with tooltips on focus', async () => {
  const page = await desk.context.newPage();
  await open(page, '/mask/PNRCreationFax');
  const fax = await page.evaluate(() => {
    const edit = document.querySelector('[data-control="304"]');
    const label = document.getElementById(edit.getAttribute('aria-labelledby'));
    return {
      label: label.dataset.control, required: edit.getAttribute('aria-required'),
      marked: getComputedStyle(edit).boxShadow !== 'none',
      description: document.getElementById(edit.getAttribute('aria-describedby'))?.textContent,
    };
  });
  assert.equal(fax.label, '457', 'the static before the edit names it');
  assert.equal(fax.required, 'true');
  assert.ok(fax.marked, 'a mark besides the colour');
  assert.match(fax.description, /Fax number/);
  await page.locator('[data-control="304"]').focus();
  await page.waitForSelector('#tooltip:not([hidden])');
  assert.match(await page.textContent('#tooltip'), /Fax number/);
  // The preview speaks its outcome once, not at every key.
  await page.keyboard.type('555');
  await page.waitForFunction(() => document.querySelector('#preview[data-kind="command"]'));
  const news = await page.textContent('#preview-news');
  await page.keyboard.type('12');
  await page.waitForFunction(() => /55512/.test(document.getElementById('preview').textContent));
  assert.equal(await page.textContent('#preview-news'), news);
  assert.equal(await page.getAttribute('#preview-news', 'aria-live'), 'polite');
  await page.close();
});

test('buttons of dots are named by the field whose picker they open; link labels are links', async () => {
  const page = await desk.context.newPage();
  await open(page, '/mask/PNRCreationFIT');
  const names = await page.evaluate(() => ({
    dots: [...document.querySelectorAll('#dialog button')].filter((b) => b.textContent.trim() === '...')
      .map((b) => b.getAttribute('aria-label')),
    links: [...document.querySelectorAll('#dialog .static.link')].map((l) => [l.getAttribute('role'), l.getAttribute('aria-controls')]),
    heading: document.querySelector('h1').textContent,
  }));
  assert.ok(names.dots.length > 0);
  for (const name of names.dots) assert.match(name ?? '', /^Choose \S/, name);
  assert.ok(names.links.length > 0);
  for (const [role, controls] of names.links) {
    assert.equal(role, 'link');
    assert.ok(controls, 'a link label names the field it opens');
  }
  assert.equal(names.heading, 'PNR Creation FIT');
  await page.close();
});
