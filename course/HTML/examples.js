/* Runner for the runnable examples of the JavaScript lectures.
 *
 * Markup of one example:
 *   <div class="example">
 *     <pre><code class="run">...source...</code></pre>
 *     <button type="button" class="run-btn">Выполнить</button>
 *     <div class="demo"></div>        (optional: a place the code may draw into)
 *     <output class="out"></output>
 *   </div>
 *
 * The source is taken from the text of the code block, so what the reader sees
 * is exactly what runs. Inside it, console.log writes into the example's own
 * output box (the viewer has no developer console), and the name `demo` refers
 * to the example's drawing area. No alert() boxes: they would stop the viewer.
 */
(function () {
  "use strict";

  function show(value, depth) {
    if (depth === undefined) depth = 0;
    if (typeof value === "string") return depth === 0 ? value : JSON.stringify(value);
    if (value === null) return "null";
    if (value === undefined) return "undefined";
    if (typeof value === "function") return "function " + (value.name || "(анонимная)");
    if (typeof value === "bigint") return value + "n";
    if (typeof value !== "object") return String(value);
    if (value instanceof Date) return value.toString();
    if (value instanceof RegExp) return String(value);
    if (value instanceof Error) return value.name + ": " + value.message;
    if (typeof Element !== "undefined" && value instanceof Element) {
      return "<" + value.tagName.toLowerCase() + (value.id ? " id=\"" + value.id + "\"" : "") + ">";
    }
    if (depth > 3) return Array.isArray(value) ? "[…]" : "{…}";
    if (Array.isArray(value)) {
      return "[" + value.map(function (v) { return show(v, depth + 1); }).join(", ") + "]";
    }
    if (value instanceof Map) {
      var parts = [];
      value.forEach(function (v, k) { parts.push(show(k, depth + 1) + " => " + show(v, depth + 1)); });
      return "Map(" + value.size + ") {" + parts.join(", ") + "}";
    }
    if (value instanceof Set) {
      var items = [];
      value.forEach(function (v) { items.push(show(v, depth + 1)); });
      return "Set(" + value.size + ") {" + items.join(", ") + "}";
    }
    var keys = Object.keys(value);
    var ctor = value.constructor && value.constructor !== Object ? value.constructor.name + " " : "";
    return ctor + "{" + keys.map(function (k) {
      return k + ": " + show(value[k], depth + 1);
    }).join(", ") + "}";
  }

  function line(out, text, cls) {
    var span = document.createElement("span");
    if (cls) span.className = cls;
    span.textContent = text + "\n";
    out.appendChild(span);
  }

  function run(example) {
    var code = example.querySelector("code.run");
    var out = example.querySelector(".out");
    var demo = example.querySelector(".demo");
    if (!code || !out) return;
    out.textContent = "";
    if (demo) demo.textContent = "";
    var fakeConsole = {
      log: function () {
        var args = Array.prototype.slice.call(arguments);
        line(out, args.map(function (a) { return show(a); }).join(" "));
      }
    };
    fakeConsole.info = fakeConsole.log;
    fakeConsole.warn = fakeConsole.log;
    fakeConsole.error = function () {
      var args = Array.prototype.slice.call(arguments);
      line(out, args.map(function (a) { return show(a); }).join(" "), "err");
    };
    try {
      var fn = new Function("console", "demo", code.textContent);
      fn(fakeConsole, demo);
    } catch (e) {
      line(out, "Ошибка: " + (e && e.name ? e.name + ": " + e.message : String(e)), "err");
    }
    if (!out.firstChild) line(out, "(код выполнен, вывода нет)");
  }

  function init() {
    var buttons = document.querySelectorAll(".example .run-btn");
    Array.prototype.forEach.call(buttons, function (btn) {
      btn.addEventListener("click", function () {
        var ex = btn.closest(".example");
        if (ex) run(ex);
      });
    });
  }

  if (document.readyState === "loading") {
    document.addEventListener("DOMContentLoaded", init);
  } else {
    init();
  }
})();
