#include "ui/app/caption.h"

QString WithoutMnemonic(QString caption)
{
    for (qsizetype at = caption.indexOf(u'&'); at >= 0; at = caption.indexOf(u'&', at + 1))
        caption.remove(at, 1);
    return caption;
}
