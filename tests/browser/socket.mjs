// A small WebSocket client for the scripts that drive the desk without a browser (node 20 has
// none of its own): text messages in and out, pings answered.
import net from 'node:net';
import { randomBytes } from 'node:crypto';

export function openSocket({ host, port, path = '/api/ws', token, origin, localAddress }) {
  return new Promise((resolve, reject) => {
    const socket = net.connect({ host, port, localAddress });
    socket.setNoDelay(true);
    let buffer = Buffer.alloc(0);
    let open = false;
    const client = {
      onmessage: null,
      onclose: null,
      send(text) { socket.write(frame(0x1, Buffer.from(text))); },
      close() { socket.destroy(); },
    };
    socket.once('connect', () => {
      socket.write([
        `GET ${path} HTTP/1.1`, `Host: ${host}:${port}`, 'Upgrade: websocket', 'Connection: Upgrade',
        `Sec-WebSocket-Key: ${randomBytes(16).toString('base64')}`, 'Sec-WebSocket-Version: 13',
        ...(origin ? [`Origin: ${origin}`] : []), ...(token ? [`Authorization: Bearer ${token}`] : []),
        '', ''].join('\r\n'));
    });
    socket.on('data', (chunk) => {
      buffer = Buffer.concat([buffer, chunk]);
      if (!open) {
        const end = buffer.indexOf('\r\n\r\n');
        if (end < 0) return;
        const head = buffer.subarray(0, end).toString();
        buffer = buffer.subarray(end + 4);
        if (!/^HTTP\/1\.1 101/.test(head)) {
          reject(new Error(`handshake refused: ${head.split('\r\n')[0]}`));
          socket.destroy();
          return;
        }
        open = true;
        resolve(client);
      }
      for (;;) {
        const parsed = parseFrame(buffer);
        if (!parsed) break;
        buffer = buffer.subarray(parsed.size);
        if (parsed.opcode === 0x1 && client.onmessage) client.onmessage(parsed.payload.toString());
        else if (parsed.opcode === 0x9) socket.write(frame(0xA, parsed.payload));
        else if (parsed.opcode === 0x8) socket.destroy();
      }
    });
    socket.on('error', (error) => { if (!open) reject(error); });
    socket.on('close', () => { if (client.onclose) client.onclose(); });
  });
}

function frame(opcode, payload) {
  const mask = randomBytes(4);
  const length = payload.length;
  const head = length < 126 ? Buffer.from([0x80 | opcode, 0x80 | length])
    : length < 65536 ? Buffer.from([0x80 | opcode, 0x80 | 126, length >> 8, length & 0xFF])
      : Buffer.concat([Buffer.from([0x80 | opcode, 0x80 | 127]), bigLength(length)]);
  const masked = Buffer.from(payload);
  for (let at = 0; at < masked.length; at += 1) masked[at] ^= mask[at % 4];
  return Buffer.concat([head, mask, masked]);
}

function bigLength(length) {
  const bytes = Buffer.alloc(8);
  bytes.writeBigUInt64BE(BigInt(length));
  return bytes;
}

// Unfragmented frames only: the desk sends each message whole.
function parseFrame(buffer) {
  if (buffer.length < 2) return null;
  const opcode = buffer[0] & 0x0F;
  let length = buffer[1] & 0x7F;
  let at = 2;
  if (length === 126) {
    if (buffer.length < 4) return null;
    length = buffer.readUInt16BE(2);
    at = 4;
  } else if (length === 127) {
    if (buffer.length < 10) return null;
    length = Number(buffer.readBigUInt64BE(2));
    at = 10;
  }
  if (buffer.length < at + length) return null;
  return { opcode, payload: buffer.subarray(at, at + length), size: at + length };
}
