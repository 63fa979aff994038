// "Conversão de Domínios" > "Gid para ZOK-2D": a GiD text geometry turned into a domain file
// that "Abrir Dominio" opens.
#pragma once

class QString;
class QWidget;

// Asks for the GiD dump, reads it, asks for the domain file's name and writes it. Any failure
// shows the warning "Erro ao abrir arquivo" and ends the command; cancelling either dialog ends
// it quietly. Returns the file written (empty when none).
QString ConverteGidParaZok(QWidget *pai);
