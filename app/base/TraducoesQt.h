// Qt's own texts (file dialogs, standard buttons, context menus) in the user's language.
#pragma once

class QLocale;

// Under a Portuguese locale installs Qt's Portuguese translations into the application;
// under any other removes them. True when they are in force.
bool InstalaTraducoesQt(const QLocale &locale);
