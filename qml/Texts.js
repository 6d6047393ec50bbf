.pragma library

// A text's markers %1 to %9 replaced by values in one pass, so a value that
// holds a marker itself (a file named "50%2.py") stays as it is; chained
// arg() calls would fill that one too.
function fill(text, values) {
    return text.replace(/%([1-9])/g, function (marker, digit) {
        var i = parseInt(digit, 10) - 1
        return i < values.length ? String(values[i]) : marker
    })
}
