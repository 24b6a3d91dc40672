// A fresh game state, a private program directory, recorded message boxes and sounds for every
// test.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "platform/MessageBoxRecorder.h"
#include "rules/TableGeometry.h"
#include "tests/TestState.h"

class QPushButton;
class QWidget;

namespace zarvelo {
class MainForm;
}

namespace zarvelo::testing {

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The main window, made and shown on first use.
    static MainForm& Form();

    // The state right after start-up for a new player with 100 credits, window shown.
    MainForm& StartUp();

    // Real mouse input: a left click on the table at client coordinates, a button click.
    void ClickTable(int x, int y);
    void Press(QPushButton* button);

    // Stakes one unit and starts, then lays the given row on the table.
    MainForm& StartWithRow(const std::vector<CardNumber>& row,
                           const std::vector<CardNumber>& rest = {});

    // Lays out the current deal: the five row cards and the cards still to come, in order.
    void ArrangeDeal(const std::vector<CardNumber>& row, const std::vector<CardNumber>& rest);

    // Files of this test's folder, by name, and the names of all of them.
    QByteArray Read(const QString& name) const;
    void Write(const QString& name, const QByteArray& bytes) const;
    QStringList Files() const;

    // A window told it is the active one, as the window system would.
    static void Activate(QWidget* window);
    // Opens the name entry from the menu, types a name and presses OK.
    static void EnterName(const QString& name);

    QTemporaryDir directory;
    std::unique_ptr<platform::MessageBoxRecorder> boxes;
    QStringList sounds;
};

using cardlib::CardOf;

// The texts of the card-point table's entries, from "This Stage Clear" down.
inline const char* const kPointRangeTexts[17] = {"This Stage Clear",
                                                 "51",
                                                 "50",
                                                 "49",
                                                 "46-48",
                                                 "43-45",
                                                 "40-42",
                                                 "37-39",
                                                 "34-36",
                                                 "31-33",
                                                 "28-30",
                                                 "25-27",
                                                 "22-24",
                                                 "19-21",
                                                 "16-18",
                                                 "13-15",
                                                 "10-12"};

// Left edge of row slot i (1 to 5).
inline int SlotLeft(int slot) { return SlotOrigin(slot).x(); }

}  // namespace zarvelo::testing
