// Holds what the desk's socket brings to a page, so that a test decides when the page reads
// it: the answers and states of the desk arrive late, in their order, at the moment the test
// chooses. Install before the page loads.

// In the page: each message the socket receives waits in one queue while the page is held.
function heldSocketScript() {
  const Native = window.WebSocket;
  const queue = [];
  let holding = false;
  class HeldSocket extends Native {
    set onmessage(handler) {
      super.onmessage = handler && ((event) => {
        const entry = { data: event.data, deliver: () => handler.call(this, event) };
        if (holding || queue.length) queue.push(entry);
        else entry.deliver();
      });
    }

    get onmessage() { return super.onmessage; }
  }
  window.WebSocket = HeldSocket;
  const shows = (message, { control, text }) => message.type === 'state' &&
    Boolean(message.state.dialog?.controls.some((state) => state.id === control && state.text === text));
  window.heldSocket = {
    hold() { holding = true; },
    // Reads the held messages in order up to the first state that shows the text in the
    // control (or a modal, with { modal: true }); true once that one is read, the rest held.
    releaseUntil(wanted) {
      while (queue.length) {
        const message = JSON.parse(queue[0].data);
        queue.shift().deliver();
        if (wanted.modal ? Boolean(message.state?.modal) : shows(message, wanted)) return true;
      }
      return false;
    },
    releaseAll() {
      holding = false;
      while (queue.length) queue.shift().deliver();
    },
  };
}

export async function holdSocket(page) {
  await page.addInitScript(heldSocketScript);
}

export const hold = (page) => page.evaluate(() => window.heldSocket.hold());
export const releaseAll = (page) => page.evaluate(() => window.heldSocket.releaseAll());

// Lets the page read what the desk sent, in order, until the state that shows text in the
// control (or a modal) is read: what the page sends on reading the first answers comes back
// and is read too.
export async function releaseUntil(page, wanted, timeout = 10000) {
  const deadline = Date.now() + timeout;
  while (!(await page.evaluate((w) => window.heldSocket.releaseUntil(w), wanted))) {
    if (Date.now() > deadline) throw new Error(`no state ${JSON.stringify(wanted)} within ${timeout} ms`);
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}
