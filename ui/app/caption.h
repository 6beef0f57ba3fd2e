#pragma once

#include <QString>

// A caption as it is drawn and read: without the marks of its access key
// ("&File" is "File", and "&&" an "&").
QString WithoutMnemonic(QString caption);
