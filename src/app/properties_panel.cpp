#include "app/properties_panel.h"

#include <QVBoxLayout>

namespace pyrovel::app {

PropertiesPage::PropertiesPage(QWidget* parent) : QWidget(parent) {
  setObjectName("PropertiesPage");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  pageControl2_ = new QTabWidget(this);
  pageControl2_->setObjectName("PageControl2");
  for (const char* tab : {"Size", "Scores", "Yam", "Well", "BDCFF"}) {
    auto* page = new QWidget;
    page->setObjectName(QString("Tab") + tab);
    pageControl2_->addTab(page, tab);
  }
  layout->addWidget(pageControl2_);
}

void PropertiesPage::ShowYam(const EditorSession&) {}

}  // namespace pyrovel::app
