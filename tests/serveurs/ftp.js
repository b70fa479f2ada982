'use strict';
// An FTP server with explicit TLS on loopback for the publishing tests:
// node ftp.js PORT ROOT CERT KEY USER PASSWORD. Prints "ready" once it listens.
const fs = require('fs');
const tls = require('tls');
const { FtpSrv } = require('ftp-srv');
const auth = require('ftp-srv/src/commands/registration/auth');

// ftp-srv wraps the socket in TLS only once its "234" is flushed: a client hello that
// arrives first is read as a command and the handshake fails. Wrap it in the same tick.
auth.handler = function handler({ command } = {}) {
  if (String(command.arg).toUpperCase() !== 'TLS') return this.reply(504);
  if (this.secure) return this.reply(202);
  const brute = this.commandSocket;
  brute.write('234 Honored\r\n');
  const secureSocket = new tls.TLSSocket(brute, {
    isServer: true,
    secureContext: tls.createSecureContext(this.server.options.tls),
  });
  ['data', 'timeout', 'end', 'close', 'drain', 'error'].forEach((event) => {
    secureSocket.on(event, (...args) => brute.emit(event, ...args));
  });
  this.commandSocket = secureSocket;
  this.secure = true;
  return Promise.resolve();
};

const [port, racine, certificat, cle, utilisateur, motDePasse] = process.argv.slice(2);
const premierPassif = Number(port) + 1;
const serveur = new FtpSrv({
  url: `ftp://127.0.0.1:${port}`,
  pasv_url: '127.0.0.1',
  pasv_min: premierPassif,
  pasv_max: premierPassif + 20,
  tls: { key: fs.readFileSync(cle), cert: fs.readFileSync(certificat) },
  anonymous: false,
  log: { trace() {}, debug() {}, info() {}, warn() {}, error() {}, child() { return this; } },
});
serveur.on('login', ({ username, password }, resolve, reject) => {
  if (username === utilisateur && password === motDePasse) resolve({ root: racine });
  else reject(new Error('Login incorrect'));
});
serveur.listen().then(() => console.log('ready'));
