// The device's file page: uploads one file per request (so each has its own progress bar), lists
// the documents directory and deletes single files.
(function () {
  'use strict';

  function row(list, text) {
    var item = document.createElement('li');
    var label = document.createElement('span');
    label.textContent = text;
    item.appendChild(label);
    list.appendChild(item);
    return item;
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
    var request = new XMLHttpRequest();
    request.open('GET', '/files');
    request.onload = function () {
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
    };
    request.send();
  }

  function remove(name) {
    var request = new XMLHttpRequest();
    request.open('DELETE', '/Delete/');
    request.setRequestHeader('Content-Type', 'text/plain');
    request.onloadend = refresh;
    request.send(encodeURIComponent(name));
  }

  // Files one after another: a phone keeps one upload going instead of many competing ones.
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
      var form = new FormData();
      form.append(inFolder ? 'addfolder' : 'file', file, name);
      var request = new XMLHttpRequest();
      request.open('POST', '/upload');
      request.upload.onprogress = function (event) {
        if (event.lengthComputable)
          bar.value = Math.round(event.loaded * 100 / event.total);
      };
      request.onloadend = function () {
        if (request.status === 200) {
          bar.value = 100;
        } else {
          item.className = 'failed';
          item.firstChild.textContent = name + ' (failed)';
        }
        next();
      };
      request.send(form);
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
  refresh();
})();
