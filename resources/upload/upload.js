// The device's file page: uploads one file per request (so each has its own progress bar), lists
// the documents directory and deletes single files. When the device asks for an access code, the
// page asks for it once and keeps it for this tab's session only.
(function () {
  'use strict';

  var codeKey = 'accessCode';
  var code = '';
  try {
    code = sessionStorage.getItem(codeKey) || '';
  } catch (e) {
    // Storage refused (a private window): the code lives as long as the page.
  }

  function keepCode(value) {
    code = value;
    try {
      if (value)
        sessionStorage.setItem(codeKey, value);
      else
        sessionStorage.removeItem(codeKey);
    } catch (e) {
    }
  }

  function row(list, text) {
    var item = document.createElement('li');
    var label = document.createElement('span');
    label.textContent = text;
    item.appendChild(label);
    list.appendChild(item);
    return item;
  }

  function showPage(open) {
    document.getElementById('access').hidden = open;
    document.getElementById('files-section').hidden = !open;
    document.getElementById('list-section').hidden = !open;
  }

  // The server's refusal of the code: the form comes back with the reason.
  function askForCode(request) {
    var wait = parseInt(request.getResponseHeader('Retry-After'), 10);
    var message = 'This device asks for an access code.';
    if (request.status === 403) {
      keepCode('');
      message = 'That code is not right.';
    } else if (request.status === 429) {
      message = 'Too many wrong codes.';
    }
    if (wait > 0)
      message += ' Try again in ' + wait + ' s.';
    document.getElementById('code-message').textContent = message;
    showPage(false);
    document.getElementById('code').focus();
  }

  // Every request carries the code (percent-encoded: a header holds ASCII only).
  function send(method, url, onDone) {
    var request = new XMLHttpRequest();
    request.open(method, url);
    if (code)
      request.setRequestHeader('X-Access-Code', encodeURIComponent(code));
    request.onloadend = function () {
      if (request.status === 401 || request.status === 403 || request.status === 429)
        askForCode(request);
      onDone(request);
    };
    return request;
  }

  // "[{'name':'a\'b.png', 'id':0},...]": the server's list, read without eval.
  function parseList(text) {
    var names = [];
    var pattern = /\{'name':'((?:\\'|[^'])*)', 'id':\d+\}/g;
    var match;
    while ((match = pattern.exec(text)) !== null)
      names.push(match[1].replace(/\\'/g, "'"));
    return names;
  }

  function refresh() {
    send('GET', '/files', function (request) {
      if (request.status !== 200)
        return;
      showPage(true);
      // Settings documents and log copies stay on the device unless it asks for an access code.
      var hidden = parseInt(request.getResponseHeader('X-Hidden-Files'), 10) || 0;
      var note = document.getElementById('hidden-note');
      note.hidden = hidden === 0;
      note.textContent = hidden === 1
        ? '1 file that holds settings or the log is not shown. An access code set on the device unlocks it.'
        : hidden + ' files that hold settings or the log are not shown. An access code set on the device unlocks them.';
      var list = document.getElementById('list');
      list.textContent = '';
      parseList(request.responseText).forEach(function (name) {
        var item = row(list, name);
        var button = document.createElement('button');
        button.className = 'delete';
        button.textContent = 'Delete';
        button.onclick = function () { remove(name); };
        item.appendChild(button);
      });
    }).send();
  }

  function remove(name) {
    var request = send('DELETE', '/Delete/', refresh);
    request.setRequestHeader('Content-Type', 'text/plain');
    request.send(encodeURIComponent(name));
  }

  // Files one after another: a phone keeps one upload going instead of many competing ones. Each
  // is sent as it is (the request body is the file), its name and part in the address.
  function uploadAll(files, inFolder) {
    var queue = Array.prototype.slice.call(files);
    var uploads = document.getElementById('uploads');
    function next() {
      var file = queue.shift();
      if (!file) {
        refresh();
        return;
      }
      var name = inFolder && file.webkitRelativePath ? file.webkitRelativePath : file.name;
      var item = row(uploads, name);
      var bar = document.createElement('progress');
      bar.max = 100;
      bar.value = 0;
      item.appendChild(bar);
      var address = '/upload?part=' + (inFolder ? 'addfolder' : 'file') + '&name=' + encodeURIComponent(name);
      var request = send('PUT', address, function () {
        if (request.status === 200) {
          bar.value = 100;
        } else {
          // The device says why (a name it keeps for itself, a file only the code may replace).
          item.className = 'failed';
          var reason = request.status === 403 && request.responseText ? request.responseText : 'failed';
          item.firstChild.textContent = name + ' (' + reason + ')';
        }
        next();
      });
      request.setRequestHeader('Content-Type', 'application/octet-stream');
      request.upload.onprogress = function (event) {
        if (event.lengthComputable)
          bar.value = Math.round(event.loaded * 100 / event.total);
      };
      request.send(file);
    }
    next();
  }

  document.getElementById('files').onchange = function (event) {
    uploadAll(event.target.files, false);
    event.target.value = '';
  };
  document.getElementById('folder').onchange = function (event) {
    uploadAll(event.target.files, true);
    event.target.value = '';
  };
  document.getElementById('code-form').onsubmit = function (event) {
    event.preventDefault();
    keepCode(document.getElementById('code').value);
    document.getElementById('code').value = '';
    refresh();
  };
  refresh();
})();
