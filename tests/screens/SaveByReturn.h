#pragma once
// For as long as it lives: the save dialog is Qt's own, and a person presses
// Return in it as soon as it shows, taking the name it offers. The names its
// field showed are recorded. A dialog that Return does not close is
// cancelled after a few presses, so a test fails instead of waiting.

#include "screens/SaveFile.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>

struct SaveByReturn
{
    QStringList shown;

    SaveByReturn() : m_oldDialog(SaveFile::replaceDialog({}))
    {
        // Each step is queued: the dialog's own event loop runs it.
        QObject::connect(&m_person, &QTimer::timeout, &m_person, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QWidget *field = dialog ? dialog->focusWidget() : nullptr;
            if (!field) {
                m_presses = 0;
                return;
            }
            if (++m_presses > 3) {
                QTimer::singleShot(0, dialog, &QDialog::reject);
                return;
            }
            if (m_presses == 1)
                if (const auto *line = qobject_cast<QLineEdit *>(field))
                    shown << line->text();
            QTimer::singleShot(0, field, [field] { QTest::keyClick(field, Qt::Key_Return); });
        });
        m_person.start(50);
    }
    ~SaveByReturn()
    {
        m_person.stop();
        SaveFile::replaceDialog(m_oldDialog);
    }
    SaveByReturn(const SaveByReturn &) = delete;
    SaveByReturn &operator=(const SaveByReturn &) = delete;

private:
    SaveFile::Dialog m_oldDialog;
    QTimer m_person;
    int m_presses = 0;
};
