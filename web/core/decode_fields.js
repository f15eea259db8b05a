// decodeFields(obj) and fileBytesOfFields(obj, year, month, day) of the
// module (README.md): the texts of obj cross into the module as one string and
// the JSON and lines come back as one (packed_fields.h), since each crossing
// costs more than decoding a field.
(function () {
  var names = null;

  // obj's texts in the order of the module's field names: each one's length
  // in two units, then the text; two units FFFF for anything but a string.
  function pack(obj) {
    if (names === null) names = Module['fieldNames']();
    var packed = '';
    for (var i = 0; i < names.length; ++i) {
      var text = obj === null || obj === undefined ? undefined : obj[names[i]];
      if (typeof text === 'string') packed += String.fromCharCode(text.length >>> 16, text.length & 0xFFFF) + text;
      else packed += '\uFFFF\uFFFF';
    }
    return packed;
  }

  Module['fileBytesOfFields'] = function (obj, year, month, day) {
    return Module['fileBytesOfPackedFields'](pack(obj), year, month, day);
  };

  Module['decodeFields'] = function (obj) {
    var lines = Module['decodePackedFields'](pack(obj)).split('\uFFFF');
    var json = lines.shift();
    return {
      lines: lines,
      json: json,
      fileBytes: function (year, month, day) { return Module['fileBytesOfFields'](obj, year, month, day); },
    };
  };
})();
