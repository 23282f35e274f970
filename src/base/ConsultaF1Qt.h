#pragma once

class QWidget;

// The windows whose key F1 opens the personnel lookup beside them. A screen
// marks itself when it is built; the lookup answers F1 on marked windows.
void MarcaConsultaF1(QWidget* janela);
bool TemConsultaF1(const QWidget* janela);
