// The program's help: HTML pages shipped in the resources, shown in one help window opened at
// the contents page.
#pragma once

class QWidget;
class QTextBrowser;

// Shows the help window at its contents page (creating it on first use).
void MostraAjuda(QWidget *pai);
// The help window, or none before the first MostraAjuda.
QTextBrowser *JanelaAjuda();
