// The help window "FHilfe": the contents list and the search page on the
// left, the page on the right, back and forward above.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

namespace kv::ui {

class HilfeFenster : public QWidget {
    Q_OBJECT
  public:
    explicit HilfeFenster(QWidget* parent = nullptr);

    // Shows a page by its file name (see HilfeSeiten.h).
    void zeigeSeite(const QString& datei);
    // Switches to the search page with an empty query.
    void zeigeSuche();

  private:
    void suchen();
    void trefferOeffnen(QListWidgetItem* eintrag);
    void inhaltOeffnen(QListWidgetItem* eintrag);
    void seiteGewechselt(const QUrl& url);
    void woerterMarkieren(const QStringList& woerter);

    QTabWidget* reiter_;
    QListWidget* inhalt_;
    QLineEdit* suchfeld_;
    QListWidget* treffer_;
    QLabel* suchStatus_;
    QTextBrowser* browser_;
    QToolButton* zurueck_;
    QToolButton* vor_;
    QToolButton* start_;
};

}  // namespace kv::ui
