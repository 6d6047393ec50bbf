.pragma library

// The table's selected rows, in ascending order, marked in the session for
// its next download, Copy or delete.
function addTo(session, selection) {
    selection.forEach(function (rowIndex) {
        session.addSelected(rowIndex)
    })
}
