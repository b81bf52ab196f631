#pragma once
// For as long as it lives: every save dialog answers `answer` ("" cancels)
// and is recorded with what it was asked, and every file shown in the file
// manager is recorded instead of shown. With `asWindow`, the dialog is a
// window of its own while it asks, as the real one is: the asking window is
// not active until it has closed.

#include "screens/FileReveal.h"
#include "screens/SaveFile.h"

#include <QList>
#include <QStringList>
#include <QTest>
#include <QWidget>

struct SaveAnswers
{
    QString answer;
    bool asWindow = false;
    QList<SaveFile::Request> requests;
    QStringList revealed;

    SaveAnswers()
        : m_oldDialog(SaveFile::replaceDialog([this](QWidget *, const SaveFile::Request &r) {
              requests << r;
              if (asWindow) {
                  QWidget dialog;
                  dialog.show();
                  dialog.activateWindow();
                  if (!QTest::qWaitForWindowActive(&dialog))
                      qWarning("the stand-in save dialog did not become the active window");
              }
              return answer;
          })),
          m_oldReveal(FileReveal::replace([this](const QString &path) { revealed << path; }))
    {
    }
    ~SaveAnswers()
    {
        SaveFile::replaceDialog(m_oldDialog);
        FileReveal::replace(m_oldReveal);
    }
    SaveAnswers(const SaveAnswers &) = delete;
    SaveAnswers &operator=(const SaveAnswers &) = delete;

    void clear()
    {
        answer.clear();
        requests.clear();
        revealed.clear();
    }

private:
    SaveFile::Dialog m_oldDialog;
    FileReveal::Function m_oldReveal;
};
