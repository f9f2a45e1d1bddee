// Under node the game sees the real environment (HOME, XDG_CONFIG_HOME, ...), as the desktop's
// does, not the stand-in one the runtime makes up for a browser.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  for (var name in process.env) ENV[name] = process.env[name];
});
