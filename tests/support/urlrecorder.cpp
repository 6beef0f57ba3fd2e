#include "tests/support/urlrecorder.h"

#include <QDesktopServices>

UrlRecorder::UrlRecorder()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "record");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "record");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QStringList UrlRecorder::addresses() const
{
    QStringList list;
    for (const QUrl &url : m_urls)
        list.append(url.toString(QUrl::FullyEncoded));
    return list;
}
