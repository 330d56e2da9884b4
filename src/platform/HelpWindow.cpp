#include "platform/HelpWindow.h"

#include <QGuiApplication>
#include <QWindow>

#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>

#include "base/SysFile.h"

namespace kumo {
namespace {

constexpr char Namespace[] = "jp.kumo.help";
constexpr char HelpFileName[] = "kumo.qch";

// Pages come out of the help file rather than from the disk.
class HelpBrowser : public QTextBrowser {
 public:
  HelpBrowser(QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

  QVariant loadResource(int type, const QUrl& name) override {
    if (name.scheme() == QLatin1String("qthelp")) return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
  }

 private:
  QHelpEngineCore& engine_;
};

QWidget* Column(QWidget* first, QWidget* second) {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(first);
  layout->addWidget(second, 1);
  return column;
}

}  // namespace

QString ShippedHelpFile() {
  return QString::fromStdString(
      ShippedFile(ProgramDirectory(), std::string("help/") + HelpFileName));
}

void OpenHelp(QHelpEngineCore& engine, const QString& document) {
  engine.setReadOnly(false);  // the collection is the user's own, made here on first use
  engine.setupData();
  const QString registered = engine.documentationFileName(QString::fromLatin1(Namespace));
  if (registered == document) return;
  if (!registered.isEmpty()) engine.unregisterDocumentation(QString::fromLatin1(Namespace));
  engine.registerDocumentation(document);
}

QUrl ContentsUrl() {
  return QUrl(QStringLiteral("qthelp://%1/doc/index.html").arg(QLatin1String(Namespace)));
}

QList<HelpHit> SearchHelp(QHelpEngineCore& engine, const QString& query) {
  const QStringList words =
      query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  QList<HelpHit> hits;
  if (words.isEmpty()) return hits;
  const QString space = QString::fromLatin1(Namespace);
  for (const QUrl& url : engine.files(space, QString(), QStringLiteral("html"))) {
    const QString html = QString::fromUtf8(engine.fileData(url));
    const QString text = QTextDocumentFragment::fromHtml(html).toPlainText();
    const bool all = std::all_of(words.begin(), words.end(), [&](const QString& word) {
      return text.contains(word, Qt::CaseInsensitive);
    });
    if (!all) continue;
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("<title>(.*?)</title>"),
                           QRegularExpression::DotMatchesEverythingOption)
            .match(html);
    hits.push_back({title.hasMatch() ? title.captured(1).trimmed() : url.fileName(), url});
  }
  return hits;
}

QUrl TopicUrl(const QHelpEngineCore& engine, int context) {
  const QList<QHelpLink> links =
      engine.documentsForIdentifier(QStringLiteral("context-%1").arg(context));
  if (links.isEmpty() || engine.fileData(links.first().url).isEmpty()) return ContentsUrl();
  return links.first().url;
}

HelpWindow::HelpWindow(const QString& document) : QWidget(nullptr, Qt::Window) {
  setObjectName("frmHelp");
  setWindowTitle(QStringLiteral("Kumo ヘルプ"));
  resize(920, 640);
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  QDir().mkpath(cache);
  engine_ = new QHelpEngine(cache + QStringLiteral("/help.qhc"), this);
  OpenHelp(*engine_, document);

  tabs_ = new QTabWidget;
  tabs_->addTab(engine_->contentWidget(), QStringLiteral("目次"));
  keyword_ = new QLineEdit;
  keyword_->setPlaceholderText(QStringLiteral("キーワードを入力"));
  tabs_->addTab(Column(keyword_, engine_->indexWidget()), QStringLiteral("キーワード"));
  query_ = new QLineEdit;
  query_->setPlaceholderText(QStringLiteral("探す言葉を入力して Enter"));
  hits_ = new QListWidget;
  tabs_->addTab(Column(query_, hits_), QStringLiteral("検索"));

  page_ = new HelpBrowser(*engine_, this);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs_);
  splitter->addWidget(page_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 660});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);

  connect(engine_->contentWidget(), &QHelpContentWidget::linkActivated, this,
          [this](const QUrl& url) { ShowPage(url); });
  connect(keyword_, &QLineEdit::textChanged, engine_->indexWidget(),
          [this](const QString& text) { engine_->indexWidget()->filterIndices(text); });
  connect(keyword_, &QLineEdit::returnPressed, engine_->indexWidget(),
          &QHelpIndexWidget::activateCurrentItem);
  connect(engine_->indexWidget(), &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& link, const QString&) { ShowPage(link.url); });
  connect(engine_->indexWidget(), &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& links, const QString&) { ShowPage(links.first().url); });
  connect(query_, &QLineEdit::returnPressed, this, [this] { Search(); });
  connect(hits_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toUrl()); });
}

void HelpWindow::Search() {
  hits_->clear();
  const QList<HelpHit> hits = SearchHelp(*engine_, query_->text());
  for (const HelpHit& hit : hits) {
    auto* item = new QListWidgetItem(hit.Title, hits_);
    item->setData(Qt::UserRole, hit.Url);
  }
  if (hits.isEmpty() && !query_->text().trimmed().isEmpty()) {
    new QListWidgetItem(QStringLiteral("見つかりませんでした"), hits_);
  }
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::ShowView(HelpView view, int context) {
  switch (view) {
    case HelpView::Contents:
      tabs_->setCurrentIndex(0);
      ShowPage(ContentsUrl());
      break;
    case HelpView::Index:
      tabs_->setCurrentIndex(1);
      if (page_->source().isEmpty()) ShowPage(ContentsUrl());
      keyword_->setFocus();
      break;
    case HelpView::Topic:
      tabs_->setCurrentIndex(0);
      ShowPage(TopicUrl(*engine_, context));
      break;
  }
  // A modal dialog blocks every window but its own: help asked for from one belongs to it, and
  // comes up in front of it and usable.
  QWindow* modal = QGuiApplication::modalWindow();
  winId();
  if (windowHandle()->transientParent() != modal) {
    hide();
    windowHandle()->setTransientParent(modal);
  }
  showNormal();
  raise();
  activateWindow();
}

// A page the help does not hold shows the contents rather than an empty window.
void HelpWindow::ShowPage(const QUrl& url) {
  const QUrl shown = engine_->fileData(url).isEmpty() ? ContentsUrl() : url;
  page_->setSource(shown);
  const QModelIndex entry = engine_->contentWidget()->indexOf(shown);
  if (entry.isValid()) engine_->contentWidget()->setCurrentIndex(entry);
}

}  // namespace kumo
