// The page's first script: should the game not start, or stop, the page says why in its alert,
// which screen readers speak, instead of leaving a board that does nothing.
'use strict';

// Told once the page has been read; the first cause is the one to tell.
let told = false;
function tell(text) {
  if (told) return;
  told = true;
  const show = () => {
    const failure = document.getElementById('failure');
    failure.textContent = text;
    failure.hidden = false;
    document.getElementById('frmMain').hidden = true;
  };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', show);
  else show();
}

function stopped(what) {
  tell(`The game has stopped: ${what}. Reload the page to play again.`);
}

// A script that cannot be fetched fires its error at the element; every other error and
// failed promise comes to the window.
addEventListener('error', (e) => {
  if (e.target instanceof HTMLScriptElement) stopped(`${e.target.src} could not be loaded`);
  else if (e.error) stopped(e.message);
}, true);
addEventListener('unhandledrejection', (e) => stopped((e.reason && e.reason.message) || String(e.reason)));

if (location.protocol === 'file:') {
  tell('The game cannot start from a file: a browser runs it only from a web server. Serve its folder, '
    + 'for example with scripts/web, and open the address that it gives.');
} else if (typeof WebAssembly !== 'object') {
  tell('The game cannot start: this browser does not run WebAssembly.');
} else {
  // The game's WebAssembly is compiled as it arrives, while the page is still being read.
  var gameCode = (WebAssembly.compileStreaming
    ? WebAssembly.compileStreaming(fetch('tictactoe.wasm?v=@BUILD@'))
    : fetch('tictactoe.wasm?v=@BUILD@').then((r) => r.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
  // Said here, where it fails: a page served sandboxed (without an origin of its own) hears of
  // no failed promise of its scripts, and may fetch none of its files.
  gameCode.catch((error) => stopped(`its WebAssembly could not be loaded (${error.message})`
    + (self.origin === 'null' ? ', as the page is served sandboxed, without an origin of its own' : '')));
}
