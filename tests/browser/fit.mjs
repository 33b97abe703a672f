// Which texts of the shown dialog do not fit their boxes: statics, check boxes, radio buttons
// and group boxes whose text overflows (its scroll size past the box), and the status line's
// hint when it is cut. Each is { control, kind, text, overflow: [width, height] } in pixels.
export async function cutTexts(page) {
  return page.evaluate(() => {
    const cut = [];
    const beyond = (node) => [node.scrollWidth - node.clientWidth, node.scrollHeight - node.clientHeight];
    for (const node of document.querySelectorAll('#dialog .control')) {
      if (node.hidden || node.getClientRects().length === 0) continue;
      const kind = [...node.classList].find((name) => name.startsWith('kind-'))?.slice(5);
      let box = null;
      if (kind === 'static') box = node;
      else if (kind === 'check' || kind === 'radio') box = node;
      else if (kind === 'group') box = node.querySelector('legend');
      if (!box || !box.textContent.trim()) continue;
      let overflow;
      if (kind === 'group') {
        // A legend is as wide as its text; it is cut when wider than the frame holds.
        const frame = node.getBoundingClientRect();
        const legend = box.getBoundingClientRect();
        overflow = [Math.max(box.scrollWidth - box.clientWidth, legend.right - frame.right), 0];
      } else {
        overflow = beyond(box);
      }
      if (overflow[0] > 1 || overflow[1] > 1) {
        cut.push({ control: node.dataset.control ?? node.dataset.controlBox, kind, text: box.textContent, overflow });
      }
    }
    return cut;
  });
}

// Shows the page as the browser's zoom would: the layout narrower by factor, drawn larger.
export async function zoom(page, factor, width = 1400, height = 900) {
  const session = await page.context().newCDPSession(page);
  await session.send('Emulation.setDeviceMetricsOverride', {
    width: Math.round(width / factor), height: Math.round(height / factor), deviceScaleFactor: factor, mobile: false,
  });
  return session;
}
