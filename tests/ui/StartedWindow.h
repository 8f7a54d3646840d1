#pragma once
// The main window as the program starts it: in a fresh current folder holding the given
// files, on a pinned date, shown; driven as a user would (controls found by name, keys,
// the pointer through the window).
#include "gui/Convert.h"
#include "support/Fakes.h"
#include "support/InFolder.h"
#include "support/Rows.h"
#include "ui/Form1.h"
#include "ui/GridBox.h"
#include "ui/ModalMessages.h"
#include "view/GridGeometry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <ranges>
#include <string>
#include <vector>

namespace tivra::test {

using Files = std::vector<std::pair<std::string, std::string>>;

// Wednesday of week 40 in the school year 2026/27.
inline const Date kWeek40{2026, 9, 30};

// The rooms B14 and B12, the objects KANON 1 and 2, one lesson (Ma1 in B14 on Tuesday
// 08.15 for 45 minutes, AB), two staff members, weeks 34..76 and these bookings.
inline Files school(const std::vector<Row>& bookings = {}, const std::string& helg = "0") {
    return {{"Tivra.ini", crlf({"SCHEMA: skolan.sch", "BOKNINGSFIL: skolan.bok", "STARTVECKA:  34",
                                "SLUTVECKA:  76", "HELG:  " + helg, "BOKA: KANON 1", "BOKA: KANON 2"})},
            {"skolan.sal", crlf({"B14", "B12"})},
            {"skolan.ini", crlf({"L\xC4S\xC5R: 2026/27"})},
            {"skolan.sca", crlf({"Ma1", "NA1a", "ab", "B14", "45 min", "TIS 8.15", ""})},
            {"skolan.sig", crlf({"ab, Anna Berg", "cd, Carl Dahl"})},
            {"skolan.bok", bookingFile(bookings)}};
}

// A booking by AB in B14 of week 40.
inline Row booked(const char* text, const char* day, const char* start, const char* length = "60") {
    return {"AB", text, length, day, start, "B14", "", "40", ""};
}

inline QString q(const char* cp1252) {
    return toQString(cp1252);
}

// The texts in the files' code page, joined by "|" ("?" for one the files cannot hold).
inline std::string joined(const QStringList& texts) {
    std::string out;
    for (const QString& t : texts) {
        out += fromQString(t).value_or("?") + "|";
    }
    return out.empty() ? out : out.substr(0, out.size() - 1);
}

// Sends one key per character, Å Ä Ö and characters without a key too.
inline void keys(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

// Start-up reads its files from the current folder: the window lives in its own folder,
// and the test goes back to the one it came from once the window is gone.
struct StartedWindow {
    explicit StartedWindow(const Files& files = school(), Date today = kWeek40) : clock(today) {
        for (const auto& [name, bytes] : files) {
            writeBytes(dir.file(name), bytes);
        }
        form = std::make_unique<Form1>(program, platform);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    template <typename T> T* child(const char* name, QObject* in = nullptr) const {
        T* w = (in != nullptr ? in : form.get())->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A text field, or the typing field of a list, in the window or in `in`.
    QLineEdit* field(const char* name, QObject* in = nullptr) const {
        auto* list = (in != nullptr ? in : form.get())->findChild<QComboBox*>(QLatin1String(name));
        return list != nullptr ? list->lineEdit() : child<QLineEdit>(name, in);
    }
    QString text(const char* name) const { return field(name)->text(); }
    // Each text of the list, joined.
    template <typename List, typename Text> static std::string join(const List& list, Text text) {
        QStringList all;
        for (const auto& each : list) {
            all << text(each);
        }
        return joined(all);
    }
    std::string texts(std::initializer_list<const char*> names) const {
        return join(names, [this](const char* name) { return text(name); });
    }
    std::string items(const char* list) const {
        auto* box = child<QComboBox>(list);
        return join(std::views::iota(0, box->count()), [box](int i) { return box->itemText(i); });
    }
    std::string file() const { return readBytes(dir.file("skolan.bok")); }
    // Replaces the field's text by typing it; an empty text clears the field.
    void type(const char* name, const char* cp1252, QObject* in = nullptr) const {
        QLineEdit* e = field(name, in);
        e->setFocus();
        e->selectAll();
        if (*cp1252 == '\0') {
            e->del();
        }
        keys(e, toQString(cp1252));
    }
    void type(std::initializer_list<std::pair<const char*, const char*>> fields) const {
        for (const auto& [name, cp1252] : fields) {
            type(name, cp1252);
        }
    }
    void click(const char* button, QObject* in = nullptr) const {
        QTest::mouseClick(child<QPushButton>(button, in), Qt::LeftButton);
    }
    void choose(const char* option) const { child<QRadioButton>(option)->click(); }
    GridBox* shape1() const { return child<GridBox>("Shape1"); }
    // Element i of a control array of the grid: "Label2" (day boxes), "Label3" (day
    // headers), "Label4" (lesson and booking boxes).
    GridBox* box(const char* array, int i) const {
        return child<GridBox>((std::string(array) + "(" + std::to_string(i) + ")").c_str());
    }

    // The lesson and booking boxes shown, the one that shows row r, and their captions.
    std::vector<GridBox*> shown() const {
        std::vector<GridBox*> out;
        for (int n = 1; n <= kBoxPool; ++n) {
            if (box("Label4", n)->isVisible()) {
                out.push_back(box("Label4", n));
            }
        }
        return out;
    }
    GridBox* boxOf(int r) const {
        std::vector<GridBox*> all = shown();
        auto box =
            std::find_if(all.begin(), all.end(), [r](GridBox* b) { return b->tag() == QString::number(r); });
        return box == all.end() ? nullptr : *box;
    }
    std::string captions() const {
        return join(shown(), [](GridBox* box) { return box->caption(); });
    }

    // A point in the window at hour h of day box d (8 to 16 o'clock), across the middle of
    // column `column` (the box's own by default).
    QPoint at(int d, double h, int column = 0) const {
        GridBox* across = box("Label2", column == 0 ? d : column);
        GridBox* day = box("Label2", d);
        return QPoint(across->mapTo(form.get(), QPoint(across->width() / 2, 0)).x(),
                      day->mapTo(form.get(), QPoint(0, 0)).y() +
                          static_cast<int>(std::lround((h - 8) / 8 * day->height())));
    }
    // Pointer events through the window, so that Qt routes them as it routes a user's.
    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton) const {
        QTest::mousePress(form->windowHandle(), b, {}, p);
    }
    void move(QPoint p) const { QTest::mouseMove(form->windowHandle(), p); }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton) const {
        QTest::mouseRelease(form->windowHandle(), b, {}, p);
    }
    // A press and release in the middle of the widget.
    void click(QWidget* w, Qt::MouseButton b) const {
        press(w->mapTo(form.get(), w->rect().center()), b);
        release(w->mapTo(form.get(), w->rect().center()), b);
    }
    void drag(QPoint from, QPoint to) const {
        press(from);
        move((from + to) / 2);
        move(to);
        release(to);
    }

    TempDir dir;
    InFolder inDir{dir.path()};
    Program program;
    RealDisk disk;
    FixedClock clock;
    ModalMessages messages;
    Platform platform{disk, clock, messages};
    std::unique_ptr<Form1> form;
};

} // namespace tivra::test
