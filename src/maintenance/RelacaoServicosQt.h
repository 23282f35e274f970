#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QPainter;
struct Sistema;

// "Relação dos Serviços", painted on a maintenance form beside its controls:
// the 30 duty codes with their descriptions, in two columns of 15.
QSize TamanhoRelacaoServicos(const QFont& fonte);
void PintaRelacaoServicos(QPainter& p, const QRect& area, const Sistema& s, const QFont& fonte);
