#pragma once
// The program's other windows (the day's events, and whatever else follows
// the document): each is made the first time it is opened from its View menu
// entry, closing only hides it, and it comes back where the user left it, in
// this run or an earlier one.
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string_view>

#include "printer.h"

class QAction;
class QMenu;
class QSettings;
class QWidget;

namespace zenlith {

class MessageBox;
class SkyDocument;

// What a window of the program may need to be made: the state it follows,
// and where it prints and shows its messages.
struct ViewContext {
    SkyDocument& document;
    Printer& printer;
    Printer& pdfSaver;
    MessageBox& messages;
};

class ViewWindows : public QObject {
public:
    // The made window is a top-level window (Qt::Window) parented to `owner`.
    using Maker = std::function<QWidget*(const ViewContext& context, QWidget* owner)>;

    ViewWindows(const ViewContext& context, QSettings& settings, QWidget* owner);

    // A View menu entry that opens the window named `name` (also its settings
    // key), made by `make` when first opened.
    QAction* add(QMenu* menu, std::string_view text, const QKeySequence& keys, const QString& name, Maker make);
    // Makes the window if need be, shows it and brings it forward.
    QWidget* open(const QString& name);
    // Null while the window has not been opened.
    QWidget* window(const QString& name) const;
    // Each made window's geometry into the settings.
    void saveGeometries();

private:
    struct Entry {
        Maker make;
        QWidget* window = nullptr;
    };
    ViewContext context_;
    QSettings& settings_;
    QWidget* owner_;
    std::map<QString, Entry> entries_;
};

}  // namespace zenlith
