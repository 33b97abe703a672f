// Counts the texts cut on every mask at 100% and 125% zoom, and lists them.
//   node tests/browser/measure-fit.mjs build/bin/quillet
import { startDesk } from './desk.mjs';
import { cutTexts, zoom } from './fit.mjs';

const [binary = 'build/bin/quillet'] = process.argv.slice(2);
const desk = await startDesk(binary);
const masks = (await (await desk.api('/api/desk')).json()).masks;
for (const factor of [1, 1.25]) {
  let total = 0;
  for (const className of masks) {
    const page = await desk.context.newPage();
    await zoom(page, factor);
    await page.goto(new URL(`/mask/${className}`, desk.address).href);
    await page.waitForSelector('#dialog [data-control]');
    await page.evaluate(() => document.fonts.ready);
    const cut = await cutTexts(page);
    total += cut.length;
    for (const entry of cut) console.log(`${factor} ${className} ${entry.control} ${entry.kind} "${entry.text}" ${entry.overflow}`);
    await page.close();
  }
  console.log(`zoom ${factor}: ${total} texts cut`);
}
await desk.stop();
