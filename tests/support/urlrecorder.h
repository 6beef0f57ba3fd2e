#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Catches every http and https address the program hands to the desktop,
// instead of starting a browser. Lives for the scope of a test.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;

    const QList<QUrl> &urls() const { return m_urls; }
    QStringList addresses() const;
    void clear() { m_urls.clear(); }

public slots:
    void record(const QUrl &url) { m_urls.append(url); }

private:
    QList<QUrl> m_urls;
};
