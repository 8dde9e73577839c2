#pragma once
// A document over the factory image for the settings dialog tests, and small helpers to drive the
// dialogs with keys.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "core/document/Document.h"
#include "core/document/FactoryImage.h"
#include "core/util/UserPrompts.h"

namespace zt46::settings_test {

using SilentPrompts = test::RecordingPrompts;
using NoFileDialogs = test::ScriptedDialogs; // no script: every dialog is cancelled

// The document as the frame hands it to a dialog: the image decoded, then written back.
struct DocFixture {
    QTemporaryDir dir;
    SilentPrompts prompts;
    NoFileDialogs dialogs;
    Document doc{prompts, dialogs, Document::Folders{dir.path().toStdString(), dir.path().toStdString()}};

    explicit DocFixture(const CloneImage& image = FactoryImage()) {
        doc.Image() = image;
        doc.ImageToModels();
        doc.ModelsToImage();
        doc.SetModified(false);
    }
};

// Shows a dialog and waits until it has the keyboard.
inline bool ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Opens a list with Return, moves to an item with the arrow keys and takes it with Return.
inline void PickWithKeys(QComboBox* combo, int index) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Return); // opens the list
    QWidget* list = combo->view();
    const int from = combo->currentIndex() < 0 ? 0 : combo->currentIndex();
    if (combo->currentIndex() < 0) QTest::keyClick(list, Qt::Key_Home);
    for (int i = from; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    for (int i = from; i > index; --i)
        QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
}

} // namespace zt46::settings_test
