// decodeFields(obj) and fileBytesOfFields(obj, year, month, day) of the
// module (README.md): the texts of obj are written into the module's memory
// at once and the lines and JSON are read from it as one text (packed_fields.h),
// since each crossing costs more than decoding a field.
(function () {
  var names = null;
  var utf8 = new TextDecoder();

  // Writes obj's texts into the module's pack buffer in the order of its field
  // names, each one's length in two units and then the text, two units FFFF
  // for anything but a string; gives the number of units written.
  function pack(obj) {
    if (names === null) names = Module['fieldNames']();
    var texts = new Array(names.length);
    var count = 0;
    for (var i = 0; i < names.length; ++i) {
      var text = obj === null || obj === undefined ? undefined : obj[names[i]];
      texts[i] = typeof text === 'string' ? text : null;
      count += 2 + (texts[i] === null ? 0 : text.length);
    }
    var at = Module['packBuffer'](count) >>> 1;
    var units = HEAPU16;  // after the call, which may have grown the memory
    for (i = 0; i < texts.length; ++i) {
      text = texts[i];
      if (text === null) {
        units[at++] = 0xFFFF;
        units[at++] = 0xFFFF;
        continue;
      }
      units[at++] = text.length >>> 16;
      units[at++] = text.length & 0xFFFF;
      for (var j = 0; j < text.length; ++j) units[at++] = text.charCodeAt(j);
    }
    return count;
  }

  Module['fileBytesOfFields'] = function (obj, year, month, day) {
    return Module['fileBytesOfPackedFields'](pack(obj), year, month, day);
  };

  Module['decodeFields'] = function (obj) {
    var start = Module['decodePackedFields'](pack(obj)) >>> 0;
    var bytes = (HEAPU8[start] | HEAPU8[start + 1] << 8 | HEAPU8[start + 2] << 16 | HEAPU8[start + 3] << 24) >>> 0;
    var decoded = utf8.decode(HEAPU8.subarray(start + 4, start + 4 + bytes));
    var at = decoded.indexOf(';');
    var lengths = at > 0 ? decoded.slice(0, at).split(',') : [];
    var lines = new Array(lengths.length);
    ++at;
    for (var i = 0; i < lengths.length; ++i) {
      var end = at + Number(lengths[i]);
      lines[i] = decoded.slice(at, end);
      at = end;
    }
    return {
      lines: lines,
      json: decoded.slice(at),
      fileBytes: function (year, month, day) { return Module['fileBytesOfFields'](obj, year, month, day); },
    };
  };
})();
