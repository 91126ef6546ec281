#pragma once
// A sentence shown for a moment in the client area's top-left corner, over
// the form's title, and announced to a screen reader: what F5 chose, or
// where the measurements went, where the help is.

#include <QLabel>
#include <QString>
#include <QTimer>
#include <functional>

namespace rt {

// Seen only: screen readers hear the same sentence announced.
class NoticeLabel : public QLabel {
public:
    explicit NoticeLabel(QWidget& client);
};

class Notice {
public:
    // `say` tells a screen reader.
    Notice(QWidget& client, std::function<void(const QString&)> say);
    Notice(const Notice&) = delete;
    Notice& operator=(const Notice&) = delete;

    // Shows the sentence for a moment; tell() says it too.
    void show(const QString& sentence);
    void tell(const QString& sentence);
    // The client area was scaled: the notice is, with it.
    void rescale(double zoom);
    const NoticeLabel& label() const { return label_; }

private:
    // Styles and places the label at the zoom: done when it shows.
    void place();

    std::function<void(const QString&)> say_;
    NoticeLabel label_;
    QTimer shown_;
    double zoom_ = 1;
};

}  // namespace rt
