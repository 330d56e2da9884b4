// The help window: the help shipped with the program, its contents, keyword index and full-text
// search beside the page shown.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include "platform/Platform.h"

class QHelpEngine;
class QHelpEngineCore;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace kumo {

// The help file shipped with the program: beside it in the build tree, or in the data folder of
// an installation (share/kumo/help beside bin/).
QString ShippedHelpFile();

// Opens the help engine's collection with document registered in it, registered again when it
// has moved or changed.
void OpenHelp(QHelpEngineCore& engine, const QString& document);

// The page of a context number: the topic the help names by "context-<number>", or the contents
// page when it has no such topic.
QUrl TopicUrl(const QHelpEngineCore& engine, int context);
QUrl ContentsUrl();

struct HelpHit {
  QString Title;
  QUrl Url;
};
// The pages whose text holds every word of query (words apart by spaces), in the help's
// order. Japanese runs no spaces between its words, so the text is searched as it stands, not
// through a word index.
QList<HelpHit> SearchHelp(QHelpEngineCore& engine, const QString& query);

class HelpWindow : public QWidget {
 public:
  // document: the help file; the collection lives in the user's cache folder.
  explicit HelpWindow(const QString& document);
  ~HelpWindow() override;

  void ShowView(HelpView view, int context);

 private:
  void ShowPage(const QUrl& url);
  void Search();

  QHelpEngine* engine_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* keyword_ = nullptr;
  QLineEdit* query_ = nullptr;
  QListWidget* hits_ = nullptr;
  QTextBrowser* page_ = nullptr;
};

}  // namespace kumo
