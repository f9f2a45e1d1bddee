// The page's side of the game: in-page windows, their canvases, message boxes, sound, input and
// storage. The game itself is the C++ below; this only puts on the page what it is handed.
var TW = (function () {
  'use strict';
  var views = {};       // id -> {div, canvas, ctx, name, owner, z}
  var busy = false;     // a message box holds the game: nothing calls into it meanwhile
  var clockTimer = null, clockMissed = false, framePending = false, frameMissed = false;
  var clockAtFrame = false;  // the next frame runs what is due
  var kFrameMs = 16;
  var active = 0;       // the view the keys go to
  var topZ = 10;
  var painting = null;  // {view, ctx} while a paint runs
  var images = {};      // picture key -> Image (decoded) or null (loading / broken)
  var metrics = {};     // css font -> {ascent, height}
  var boxes = {};       // text box -> its scroll position, in pixels
  var audio = null, playing = null;
  var measurer = document.createElement('canvas').getContext('2d');
  var desk = null;

  function css(colour) { return '#' + (colour & 0xFFFFFF).toString(16).padStart(6, '0'); }

  function call(name) {
    if (busy) return undefined;
    return Module['_' + name].apply(null, Array.prototype.slice.call(arguments, 1));
  }

  // ---- Windows ----
  function twipsOf(canvas, e) {
    var r = canvas.getBoundingClientRect();
    return [(e.clientX - r.left) * 15, (e.clientY - r.top) * 15];
  }

  function bringToFront(id) {
    var v = views[id];
    if (!v) return;
    v.z = ++topZ;
    v.div.style.zIndex = v.z;
    // A dialog stays in front of the window it belongs to.
    for (var k in views) if (views[k].owner === id) bringToFront(+k);
    active = topmost();
  }

  function topmost() {
    var best = 0, z = -1;
    for (var k in views) if (views[k].z > z) { z = views[k].z; best = +k; }
    return best;
  }

  function sizeCanvas(v, width, height) {
    var dpr = window.devicePixelRatio || 1;
    v.canvas.style.width = width + 'px';
    v.canvas.style.height = height + 'px';
    var w = Math.round(width * dpr), h = Math.round(height * dpr);
    if (v.canvas.width !== w || v.canvas.height !== h) { v.canvas.width = w; v.canvas.height = h; }
    v.dpr = dpr;
  }

  function openView(id, name, caption, width, height, owner) {
    var div = document.createElement('div');
    div.className = 'tw-window';
    div.dataset.window = name;
    var title = document.createElement('div');
    title.className = 'tw-title';
    var cap = document.createElement('span');
    cap.className = 'tw-caption';
    cap.textContent = caption;
    var close = document.createElement('button');
    close.className = 'tw-close';
    close.type = 'button';
    close.title = 'Close';
    close.setAttribute('aria-label', 'Close');
    close.textContent = '\u00d7';
    title.appendChild(cap);
    title.appendChild(close);
    var canvas = document.createElement('canvas');
    canvas.className = 'tw-client';
    div.appendChild(title);
    div.appendChild(canvas);
    var v = {div: div, canvas: canvas, ctx: canvas.getContext('2d'), name: name, owner: owner, z: 0, caption: cap};
    views[id] = v;
    sizeCanvas(v, width, height);
    desk.appendChild(div);
    bringToFront(id);
    div.addEventListener('mousedown', function () { if (!busy) bringToFront(id); }, true);
    close.addEventListener('click', function () { startSound(); call('tw_close_box', id); });
    canvas.addEventListener('mousedown', function (e) {
      startSound();
      var t = twipsOf(canvas, e);
      call('tw_press', id, t[0], t[1], e.button === 0 ? 0 : 1);
      if (e.button === 0) placeCaret(id, t[0] / 15, t[1] / 15);
      pressedIn = id;
      e.preventDefault();
    });
    canvas.addEventListener('mousemove', function (e) {
      var t = twipsOf(canvas, e);
      var hand = call('tw_hover', id, t[0], t[1]);
      if (hand !== undefined) canvas.style.cursor = hand ? 'url(design/hand.png) 16 1, pointer' : '';
      if (hand !== undefined) canvas.title = lastTip;
    });
    canvas.addEventListener('contextmenu', function (e) { e.preventDefault(); });
    canvas.addEventListener('wheel', function (e) { scrollBoxes(id, e); });
  }

  // The window a button went down in gets its release, wherever the pointer is then, as a
  // desktop window holds the mouse while a button is down.
  var pressedIn = 0;
  function released(e) {
    var id = pressedIn, v = views[id];
    pressedIn = 0;
    if (!v) return;
    var t = twipsOf(v.canvas, e);
    call('tw_release', id, t[0], t[1], e.button === 0 ? 0 : 1);
  }

  var lastTip = '';
  function tooltip(text) { lastTip = text; }

  function closeView(id) {
    var v = views[id];
    if (!v) return;
    v.div.remove();
    delete views[id];
    for (var b in boxes) if (boxes[b].view === v) delete boxes[b];
    active = topmost();
  }

  function setCaption(id, caption, width, height) {
    var v = views[id];
    if (!v) return;
    v.caption.textContent = caption;
    sizeCanvas(v, width, height);
  }

  // ---- Painting: the C++ side walks the display list ----
  function beginPaint(id, x, y, w, h) {
    var v = views[id];
    if (!v) return;
    var ctx = v.ctx;
    ctx.setTransform(v.dpr, 0, 0, v.dpr, 0, 0);
    ctx.save();
    ctx.fillStyle = '#000';
    ctx.fillRect(x, y, w, h);
    painting = {view: v, ctx: ctx, clipped: false};
  }

  function endPaint() {
    if (!painting) return;
    if (painting.clipped) painting.ctx.restore();
    painting.ctx.restore();
    painting = null;
    if (window.tarmac.firstFrameMs === undefined) window.tarmac.firstFrameMs = performance.now();
  }

  function clip(x, y, w, h) {
    var ctx = painting.ctx;
    if (painting.clipped) ctx.restore();
    ctx.save();
    ctx.beginPath();
    ctx.rect(x, y, w, h);
    ctx.clip();
    painting.clipped = true;
  }

  function fill(x, y, w, h, colour) {
    painting.ctx.fillStyle = css(colour);
    painting.ctx.fillRect(x, y, w, h);
  }

  function line(x1, y1, x2, y2, pen, colour) {
    var ctx = painting.ctx, half = pen % 2 ? 0.5 : 0;
    ctx.strokeStyle = css(colour);
    ctx.lineWidth = pen;
    ctx.lineCap = 'square';
    ctx.beginPath();
    ctx.moveTo(x1 + half, y1 + half);
    ctx.lineTo(x2 + half, y2 + half);
    ctx.stroke();
  }

  function frame(x, y, w, h, pen, colour) {
    var ctx = painting.ctx;
    ctx.strokeStyle = css(colour);
    ctx.lineWidth = pen;
    ctx.strokeRect(x + pen / 2, y + pen / 2, w - pen, h - pen);
  }

  function picture(key, design, x, y, w, h) {
    var image = images[design ? 'design:' + key : key];
    if (design && image === undefined) image = loadDesign(key);
    if (!image) return;
    painting.ctx.imageSmoothingQuality = 'high';
    painting.ctx.drawImage(image, x, y, w, h);
  }

  function decoded(key, image) {
    images[key] = image;
    // Drawn as a blank until now: paint every window again.
    requestFrame(true);
  }

  function loadDesign(name) {
    var key = 'design:' + name;
    images[key] = null;
    var image = new Image();
    image.onload = function () { decoded(key, image); };
    image.src = 'design/' + name + '.png';
    return null;
  }

  function pictureFile(path, bytes) {
    images[path] = null;
    if (!bytes.length) return;
    var image = new Image();
    var url = URL.createObjectURL(new Blob([bytes], {type: 'image/jpeg'}));
    image.onload = function () { URL.revokeObjectURL(url); decoded(path, image); };
    image.onerror = function () { URL.revokeObjectURL(url); };
    image.src = url;
  }

  function metricsOf(font) {
    var m = metrics[font];
    if (m) return m;
    measurer.font = font;
    var t = measurer.measureText('Mg');
    var ascent = Math.ceil(t.fontBoundingBoxAscent || t.actualBoundingBoxAscent || 10);
    var descent = Math.ceil(t.fontBoundingBoxDescent || t.actualBoundingBoxDescent || 3);
    m = {ascent: ascent, height: ascent + descent};
    metrics[font] = m;
    return m;
  }

  function textWidth(font, text) {
    measurer.font = font;
    return Math.ceil(measurer.measureText(text).width);
  }

  function lineHeight(font) { return metricsOf(font).height; }

  // The text's lines as they show at `width`: broken at its line breaks and, with `wrap`,
  // between words. Each line keeps where it starts in the text.
  function layOut(ctx, text, width, wrap) {
    var lines = [], start = 0;
    var paragraphs = text.split('\n');
    for (var p = 0; p < paragraphs.length; p++) {
      var para = paragraphs[p];
      if (!wrap || ctx.measureText(para).width <= width) {
        lines.push({text: para, at: start});
      } else {
        var words = para.split(/(?<= )/), current = '', at = start;
        for (var i = 0; i < words.length; i++) {
          var tried = current + words[i];
          if (current && ctx.measureText(tried.replace(/ +$/, '')).width > width) {
            lines.push({text: current, at: at});
            at += current.length;
            current = words[i];
          } else {
            current = tried;
          }
        }
        lines.push({text: current, at: at});
      }
      start += para.length + 1;
    }
    return lines;
  }

  function text(content, font, colour, align, x, y, w, h) {
    var ctx = painting.ctx;
    ctx.font = font;
    ctx.fillStyle = css(colour);
    ctx.textBaseline = 'alphabetic';
    ctx.textAlign = align === 1 ? 'center' : align === 2 ? 'right' : 'left';
    var across = align === 1 ? x + w / 2 : align === 2 ? x + w : x;
    var m = metricsOf(font);
    var lines = layOut(ctx, content.replace(/\r\n/g, '\n'), w, true);
    for (var i = 0; i < lines.length; i++) ctx.fillText(lines[i].text.replace(/ +$/, ''), across, y + m.ascent + i * m.height);
    ctx.textAlign = 'left';
  }

  var kMargin = 4, kBar = 14;
  function textBox(box, content, font, fore, back, x, y, w, h, caretAt, caretW, caretH, caretShown, multiLine, scrollBar) {
    var ctx = painting.ctx;
    ctx.fillStyle = css(back);
    ctx.fillRect(x, y, w, h);
    ctx.font = font;
    ctx.textAlign = 'left';
    ctx.textBaseline = 'alphabetic';
    var m = metricsOf(font), inner = w - (scrollBar ? kBar : 0) - 2 * kMargin;
    var shown = content.replace(/\r\n/g, '\n');
    var lines = layOut(ctx, shown, inner, multiLine);
    // The line of the insertion point, which the box keeps in sight.
    var caretLine = 0;
    for (var i = 0; i < lines.length; i++) if (lines[i].at <= caretAt) caretLine = i;
    var state = boxes[box] || (boxes[box] = {top: 0, view: painting.view});
    var view = h - 2 * kMargin, total = lines.length * m.height;
    if (state.followed !== caretAt || state.text !== shown) {
      var caretTop = caretLine * m.height;
      if (caretTop < state.top) state.top = caretTop;
      // Whole lines, as a toolkit's text box scrolls: the first line shown is never cut.
      if (caretTop + m.height > state.top + view) state.top = Math.ceil((caretTop + m.height - view) / m.height) * m.height;
      state.followed = caretAt;
      state.text = shown;
    }
    state.top = Math.max(0, Math.min(state.top, Math.ceil(Math.max(0, total - view) / m.height) * m.height));
    state.total = total;
    state.shown = view;
    state.lineHeight = m.height;
    state.lines = lines;
    state.font = font;
    state.area = {x: x, y: y, w: w - (scrollBar ? kBar : 0), h: h};
    ctx.save();
    ctx.beginPath();
    ctx.rect(x, y, w - (scrollBar ? kBar : 0), h);
    ctx.clip();
    ctx.fillStyle = css(fore);
    var first = Math.floor(state.top / m.height);
    for (var k = Math.max(0, first); k < lines.length; k++) {
      var top = y + kMargin + k * m.height - state.top;
      if (top > y + h) break;
      ctx.fillText(lines[k].text, x + kMargin, top + m.ascent);
    }
    if (caretShown && lines.length) {
      var l = lines[caretLine];
      var cx = x + kMargin + ctx.measureText(l.text.slice(0, caretAt - l.at)).width;
      var cy = y + kMargin + caretLine * m.height - state.top;
      // A solid block that inverts what lies under it.
      ctx.globalCompositeOperation = 'difference';
      ctx.fillStyle = '#fff';
      ctx.fillRect(Math.round(cx), cy, Math.max(1, caretW), caretH > 0 ? caretH : m.height);
      ctx.globalCompositeOperation = 'source-over';
    }
    ctx.restore();
    if (scrollBar) {
      ctx.fillStyle = css(back);
      ctx.fillRect(x + w - kBar, y, kBar, h);
      if (total > view) {
        var handle = Math.max(24, h * view / total);
        var at = (h - handle) * state.top / (total - view);
        ctx.fillStyle = '#404040';
        ctx.fillRect(x + w - kBar, y + at, kBar, handle);
      }
    }
  }

  // A left press in a text box puts its insertion point at the nearest place between two
  // characters, as a toolkit's box does.
  function placeCaret(id, px, py) {
    for (var b in boxes) {
      var s = boxes[b], a = s.area;
      if (s.view !== views[id] || !a || px < a.x || px >= a.x + a.w || py < a.y || py >= a.y + a.h) continue;
      if (!s.lines.length) return;
      var row = Math.max(0, Math.min(s.lines.length - 1, Math.floor((py - a.y - kMargin + s.top) / s.lineHeight)));
      var line = s.lines[row], across = px - a.x - kMargin, k = 0;
      measurer.font = s.font;
      while (k < line.text.length) {
        var here = measurer.measureText(line.text.slice(0, k)).width;
        var next = measurer.measureText(line.text.slice(0, k + 1)).width;
        if (across < (here + next) / 2) break;
        k++;
      }
      call('tw_place_caret', id, +b, line.at + k);
      requestFrame(false);  // the box shows its caret anew; no handler ran to say so
      return;
    }
  }

  function scrollBoxes(id, e) {
    // The wheel scrolls the window's box that can: the game has one text box to a window at most.
    var moved = false;
    for (var b in boxes) {
      var s = boxes[b];
      if (s.view === views[id] && s.total > s.shown) {
        var last = Math.ceil((s.total - s.shown) / s.lineHeight) * s.lineHeight;
        s.top = Math.max(0, Math.min(s.top + Math.sign(e.deltaY) * 3 * s.lineHeight, last));
        moved = true;
      }
    }
    if (moved) { e.preventDefault(); requestFrame(true); }
  }

  // ---- Time ----
  function armClock(ms) {
    if (clockTimer !== null) clearTimeout(clockTimer);
    clockTimer = null;
    clockAtFrame = false;
    if (ms < 0) return;
    // Due before the next frame is drawn: that frame runs it, one wake for both. A hidden page
    // draws no frames: a timer wakes it.
    if (ms < kFrameMs && !document.hidden) {
      clockAtFrame = true;
      requestFrame(false);
      return;
    }
    clockTimer = setTimeout(function () {
      clockTimer = null;
      if (busy) { clockMissed = true; return; }
      call('tw_advance');
    }, ms);
  }

  var everything = false;  // a picture came in, or the canvases were made anew: repaint all
  function requestFrame(all) {
    if (all) everything = true;
    if (framePending) return;
    framePending = true;
    requestAnimationFrame(function () {
      framePending = false;
      if (busy) {
        frameMissed = true;
        clockMissed = clockMissed || clockAtFrame;
        return;
      }
      if (clockAtFrame) {
        clockAtFrame = false;
        call('tw_advance');
      }
      call('tw_paint');
    });
  }

  function takeEverything() {
    var all = everything;
    everything = false;
    return all;
  }

  function raise(id) { bringToFront(id); }

  // ---- Message boxes ----
  function messageBox(text, closesMs) {
    busy = true;
    return new Promise(function (resolve) {
      var cover = document.createElement('div');
      cover.className = 'tw-modal';
      var box = document.createElement('div');
      box.className = 'tw-message';
      box.setAttribute('role', 'dialog');
      box.setAttribute('aria-modal', 'true');
      box.innerHTML = '<div class="tw-title"><span class="tw-caption">Tarmac Warden</span></div>' +
        '<div class="tw-message-body"><svg class="tw-icon" viewBox="0 0 32 32" aria-hidden="true">' +
        '<circle cx="16" cy="16" r="15" fill="#1c62c4"/><circle cx="16" cy="8.5" r="2.3" fill="#fff"/>' +
        '<rect x="13.8" y="13" width="4.4" height="12.5" rx="1" fill="#fff"/></svg>' +
        '<p class="tw-message-text"></p></div><div class="tw-buttons"><button class="tw-ok" type="button">OK</button></div>';
      box.querySelector('.tw-message-text').textContent = text.replace(/\r\n/g, '\n');
      cover.appendChild(box);
      document.body.appendChild(cover);
      var ok = box.querySelector('.tw-ok');
      var timer = closesMs >= 0 ? setTimeout(done, closesMs) : null;
      function done() {
        if (timer !== null) clearTimeout(timer);
        document.removeEventListener('keydown', onKey, true);
        cover.remove();
        busy = false;
        resolve();
        setTimeout(resumeWaiting, 0);
      }
      function onKey(e) {
        e.stopPropagation();
        if (e.key === 'Enter' || e.key === ' ' || e.key === 'Escape') {
          e.preventDefault();
          if (!e.repeat) done();
        } else if (e.key === 'Tab') {
          e.preventDefault();
        }
      }
      ok.addEventListener('click', function () { startSound(); done(); });
      document.addEventListener('keydown', onKey, true);
      ok.focus();
    });
  }

  // ---- Sound ----
  function startSound() {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!audio && Context) audio = new Context();
    if (audio && audio.state === 'suspended') audio.resume();
  }

  function play(samples, rate) {
    if (playing) { try { playing.stop(); } catch (e) {} playing = null; }
    if (!samples || !samples.length || !audio) return;
    var buffer = audio.createBuffer(1, samples.length, rate);
    var data = buffer.getChannelData(0);
    for (var i = 0; i < samples.length; i++) data[i] = samples[i] / 32768;
    var source = audio.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.destination);
    source.onended = function () { if (playing === source) playing = null; };
    source.start();
    playing = source;
  }

  // ---- Keys ----
  var names = {ArrowUp: 'Up', ArrowDown: 'Down', ArrowLeft: 'Left', ArrowRight: 'Right', Enter: 'Return',
    ' ': 'Space', Tab: 'Tab', Escape: 'Escape', Backspace: 'Backspace', Delete: 'Delete', Insert: 'Insert',
    Home: 'Home', End: 'End', PageUp: 'PageUp', PageDown: 'PageDown'};
  var modifierKeys = {Shift: 1, Control: 1, Alt: 1, Meta: 1, AltGraph: 1, CapsLock: 1};

  // The key as a script names it; empty for a modifier alone.
  function keyName(e) {
    if (modifierKeys[e.key]) return '';
    if (e.key === 'Escape') return 'Escape';
    var name;
    if (e.code === 'NumpadEnter') name = 'Enter';
    else if (/^Key[A-Z]$/.test(e.code)) name = e.code.slice(3);
    else if (/^Digit[0-9]$/.test(e.code)) name = e.code.slice(5);
    else if (/^F[0-9]+$/.test(e.key)) name = e.key;
    else name = names[e.key] || (e.key.length === 1 ? e.key.toUpperCase() : 'Unidentified');
    return (e.ctrlKey ? 'Ctrl+' : '') + (e.shiftKey ? 'Shift+' : '') + (e.altKey ? 'Alt+' : '') + name;
  }

  var keyBuffer = 0, kKeyBytes = 64;
  function onKey(e, down) {
    if (busy || !active) return;
    if (down) startSound();
    var name = keyName(e);
    if (!keyBuffer) keyBuffer = Module._malloc(kKeyBytes);
    stringToUTF8(name, keyBuffer, kKeyBytes);
    var taken = call('tw_key', active, keyBuffer, down ? 1 : 0, e.repeat ? 1 : 0);
    // A box that opened takes the key along with the game.
    if (taken || busy) e.preventDefault();
  }

  // ---- Storage ----
  // Resolves once the files are in the browser's storage, true when they are: the game says
  // "Saved" only then, and holds still meanwhile, as it does for a message box.
  function keepStorage() {
    var wasBusy = busy;
    busy = true;
    return new Promise(function (resolve) {
      FS.syncfs(false, function (err) {
        busy = wasBusy;
        resolve(!err);
        if (!wasBusy) setTimeout(resumeWaiting, 0);
      });
    });
  }

  // What waited while the game was held: after the handler has gone on.
  function resumeWaiting() {
    if (clockMissed) { clockMissed = false; call('tw_advance'); }
    if (frameMissed) { frameMissed = false; requestFrame(false); }
  }

  function ended() {
    var note = document.getElementById('tw-ended');
    if (note) note.hidden = false;
  }

  function scriptEnded(status) {
    busy = false;
    document.title = 'exit ' + status;
  }

  // ---- Start: the command line from the address, the faces, the storage ----
  function argumentsFromAddress(query) {
    var args = [];
    if (query.has('demo')) args.push('--demo');
    if (query.has('script')) {
      args.push('--script', '/script.txt');
      if (query.has('timer-resolution')) args.push('--timer-resolution', query.get('timer-resolution'));
      if (query.has('time-of-day')) args.push('--time-of-day', query.get('time-of-day'));
    }
    if (query.has('level')) args.push('--level', query.get('level'));
    if (query.has('mute')) args.push('--mute');
    return args;
  }

  function waitFor(promise, name) {
    addRunDependency(name);
    promise.then(function () { removeRunDependency(name); }, function (err) {
      console.error('Tarmac Warden: ' + name + ' failed', err);
      removeRunDependency(name);
    });
  }

  function loadFace(family, file, weight) {
    var face = new FontFace(family, 'url(' + file + ')', {weight: weight});
    return face.load().then(function (loaded) { document.fonts.add(loaded); });
  }

  function prepare() {
    var query = new URLSearchParams(location.search);
    desk = document.getElementById('tw-desk');
    Module['arguments'] = argumentsFromAddress(query);
    var script = query.has('script');
    // Fetched beside the game's own files rather than after them: the first frame waits for both.
    var faces = Promise.all([loadFace('Inter', 'Inter-Black.woff2', '900'),
                             loadFace('Liberation Mono', 'LiberationMono-Bold.woff2', '700')]);
    // A script plays alone: nothing calls into the game while it runs and pauses.
    busy = script;
    document.getElementById('transcript').hidden = !script;
    Module['print'] = function (line) {
      if (script) document.getElementById('transcript').append(line + '\n');
    };
    Module['printErr'] = function (line) { console.error(line); };
    Module['preRun'] = (Module['preRun'] || []).concat([function () {
      if (script) FS.writeFile('/script.txt', query.get('script'));
      // The player's folders, kept in the browser's storage.
      var home = ENV.HOME || '/home/web_user';
      FS.mkdirTree(home);
      FS.mount(IDBFS, {}, home);
      waitFor(new Promise(function (resolve) {
        FS.syncfs(true, function (err) {
          if (err) console.error('Tarmac Warden: the browser\'s storage could not be read', err);
          resolve();
        });
      }), 'storage');
      waitFor(faces, 'faces');
    }]);
    document.addEventListener('mouseup', released);
    document.addEventListener('keydown', function (e) { onKey(e, true); });
    document.addEventListener('keyup', function (e) { onKey(e, false); });
    // Zooming changes the device pixel ratio: every canvas takes the new one and is drawn anew.
    window.addEventListener('resize', function () {
      var dpr = window.devicePixelRatio || 1, changed = false;
      for (var k in views) {
        var v = views[k];
        if (v.dpr === dpr) continue;
        sizeCanvas(v, parseFloat(v.canvas.style.width), parseFloat(v.canvas.style.height));
        changed = true;
      }
      if (changed) requestFrame(true);
    });
    document.addEventListener('visibilitychange', function () { if (document.hidden) call('tw_minimize_all'); });
    window.tarmac = {
      // Only reads the game, so it answers while a box holds the handler too.
      print: function (name) {
        var size = lengthBytesUTF8(name) + 1, at = Module._malloc(size);
        stringToUTF8(name, at, size);
        var printed = UTF8ToString(Module._tw_print(at));
        Module._free(at);
        return printed;
      }
    };
  }

  return {prepare: prepare, openView: openView, closeView: closeView, setCaption: setCaption, raise: raise,
    beginPaint: beginPaint, endPaint: endPaint, clip: clip, fill: fill, line: line, frame: frame,
    picture: picture, pictureFile: pictureFile, text: text, textBox: textBox, textWidth: textWidth,
    lineHeight: lineHeight, tooltip: tooltip, takeEverything: takeEverything, armClock: armClock, requestFrame: requestFrame,
    messageBox: messageBox, play: play, keepStorage: keepStorage, ended: ended, scriptEnded: scriptEnded};
})();
TW.prepare();
