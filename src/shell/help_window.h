#pragma once
// The help viewer: the program's Czech help pages in a browser window.
#include <QWidget>

class QTextBrowser;

namespace qvk::shell {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(double scale, QWidget* parent = nullptr);

    // Opens a topic: "index", "beta.htm" or "vypocet.htm#kuz".
    void showTopic(const QString& topic);
    QUrl source() const;
    QTextBrowser* browser() const { return browser_; }

    static QUrl topicUrl(const QString& topic);

private:
    QTextBrowser* browser_ = nullptr;
};

} // namespace qvk::shell
