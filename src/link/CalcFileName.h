#ifndef CALCFILENAME_H
#define CALCFILENAME_H

#include <QString>

// The calculator keeps 8.3 names: at most 8 upper-case characters, a full stop
// and at most 3 characters of extension. Stateless; any string is accepted and
// the empty string is a possible result.
QString toCalcFileName(const QString &fileName);

#endif // CALCFILENAME_H
