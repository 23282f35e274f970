#include "reports/TFImpressao.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "reports/Impressao.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* Campo(QWidget* pai, const char* nome, int largura) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(QLatin1String(nome));
    e->setMinimumWidth(largura);
    return e;
}

} // namespace

TFImpressao::TFImpressao(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FImpressao"));
    setWindowTitle(QStringLiteral("Formulário para Impressão"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        Rotulo(this, "Label6",
               QStringLiteral(
                   "Digite  o número de linhas por página e  as linhas do cabeçalho e  fecho")));
    auto* campos = new QFormLayout;
    ePrimLin = Campo(this, "EPrimLin", 420);
    eSegLin = Campo(this, "ESegLin", 420);
    eUltimaLin = Campo(this, "EUltimaLin", 420);
    eLinMax = Campo(this, "ELinMax", 60);
    eLinMax->setMaximumWidth(60);
    eLinMax->setText(QStringLiteral("50"));
    campos->addRow(Rotulo(this, "Label2", QStringLiteral("1ª Linha do Cabeçalho")), ePrimLin);
    campos->addRow(Rotulo(this, "Label3", QStringLiteral("2ª Linha do Cabeçalho")), eSegLin);
    campos->addRow(Rotulo(this, "Label4", QStringLiteral("Fecho da Escalação ")), eUltimaLin);
    campos->addRow(Rotulo(this, "Label5", QStringLiteral("Linhas por Página")), eLinMax);
    layout->addLayout(campos);
    auto* imprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    imprimir->setObjectName(QStringLiteral("BImprimir"));
    imprimir->setAutoDefault(false);
    layout->addWidget(imprimir, 0, Qt::AlignRight);
    connect(imprimir, &QPushButton::clicked, this, &TFImpressao::Imprime);
    setTabOrder(ePrimLin, eSegLin);
    setTabOrder(eSegLin, eUltimaLin);
    setTabOrder(eUltimaLin, eLinMax);
    setTabOrder(eLinMax, imprimir);
}

void TFImpressao::Abre() {
    TextosImpressao textos;
    if (!Tenta(sis.dialogos, [&] { textos = LeTextosImpressao(sis.pasta); }))
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    ePrimLin->setText(textos.PrimLin);
    eSegLin->setText(textos.SegLin);
    eUltimaLin->setText(textos.UltimaLin);
    ePrimLin->setFocus();
    aberto = true;
    exec();
}

void TFImpressao::Imprime() {
    const TextosImpressao textos{ePrimLin->text(), eSegLin->text(), eUltimaLin->text()};
    if (Tenta(sis.dialogos, [&] {
            const int linhas = LinhasPorPagina(eLinMax->text());
            ImprimeEscala(sis.impressora, sis.ListBox2, textos, PeriodoDaEscala(sis), linhas);
        }))
        accept();
}

void TFImpressao::done(int resultado) {
    if (aberto) {
        aberto = false;
        Tenta(sis.dialogos, [&] {
            GravaTextosImpressao(sis.pasta,
                                 {ePrimLin->text(), eSegLin->text(), eUltimaLin->text()});
        });
    }
    QDialog::done(resultado);
}
