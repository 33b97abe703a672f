// The desk's WebSocket: one per page, shared by every mask the page shows. Each mask watches
// its instance through it; requests carry a sequence number and their outcome comes back with
// it. States arrive as the desk publishes them, the newest only when the page reads slowly.
'use strict';

const deskSocket = (() => {
  const waiting = new Map();  // seq -> resolve
  const watchers = new Map(); // instance -> { state, closed, gone, status }
  const queued = [];          // messages made while the socket is not open
  const statusListeners = new Set();
  let nextSeq = 1;
  let open = null;
  let retry = 0;
  let connecting = false;

  function status(text) {
    for (const listener of statusListeners) listener(text);
    for (const watcher of watchers.values()) watcher.status(text);
  }

  function connect() {
    connecting = true;
    const scheme = window.location.protocol === 'https:' ? 'wss' : 'ws';
    const ws = new WebSocket(`${scheme}://${window.location.host}/api/ws`);
    ws.onopen = () => {
      open = ws;
      retry = 0;
      status('');
      for (const id of watchers.keys()) ws.send(JSON.stringify({ type: 'watch', id }));
      for (const message of queued.splice(0)) ws.send(message);
    };
    ws.onmessage = (event) => received(JSON.parse(event.data));
    ws.onclose = () => {
      open = null;
      // What was on its way has no outcome now; each mask goes on from the state it is sent.
      for (const resolve of waiting.values()) resolve({ status: 0, error: 'The desk does not answer.' });
      waiting.clear();
      if (!watchers.size) {
        connecting = false;
        return;
      }
      status('Reconnecting to the desk\u2026');
      retry = Math.min(retry + 1, 10);
      setTimeout(connect, 200 * retry);
    };
  }

  function received(message) {
    const watcher = message.id === undefined ? null : watchers.get(message.id);
    if (message.type === 'outcome') {
      const resolve = waiting.get(message.seq);
      waiting.delete(message.seq);
      if (resolve) resolve(message);
    } else if (message.type === 'state') {
      if (watcher) watcher.state(message.state, message.version);
    } else if (message.type === 'closed') {
      if (watcher) watcher.closed();
    } else if (message.type === 'error') {
      // An error about an instance the page no longer watches (one it has just released) is
      // news to nobody.
      if (message.id !== undefined && !watcher) return;
      if (watcher && message.status === 404) watcher.gone();
      else if (watcher) watcher.status(message.error || `error ${message.status}`);
      else status(message.error || `error ${message.status}`);
    }
  }

  function post(message) {
    const text = JSON.stringify(message);
    if (open) open.send(text); else queued.push(text);
  }

  return {
    // Watches an instance: handlers.state(state, version), closed(), gone() (the desk holds no
    // such instance), status(text). The answer's request(type, body) resolves with the outcome
    // {status, done | waiting | error, version}; end(how) stops watching: 'release' releases
    // the instance at once, 'unwatch' leaves it to the desk, 'forget' tells the desk nothing
    // (it closed the instance itself).
    watch(id, handlers) {
      watchers.set(id, handlers);
      if (open) open.send(JSON.stringify({ type: 'watch', id }));
      else if (!connecting) connect();
      return {
        request(type, body) {
          const seq = nextSeq++;
          return new Promise((resolve) => {
            waiting.set(seq, resolve);
            post({ type, id, seq, ...body });
          });
        },
        end(how) {
          if (watchers.get(id) !== handlers) return;
          watchers.delete(id);
          if (!open || how === 'forget') return;
          open.send(JSON.stringify({ type: how === 'release' ? 'close' : 'unwatch', id }));
        },
      };
    },
    // The page is going: every instance it shows is released now.
    releaseAll() {
      for (const id of [...watchers.keys()]) {
        if (open) open.send(JSON.stringify({ type: 'close', id }));
        watchers.delete(id);
      }
      if (open) open.close();
    },
    onStatus(listener) { statusListeners.add(listener); },
  };
})();
