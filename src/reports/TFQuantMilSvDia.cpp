#include "reports/TFQuantMilSvDia.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "reports/QuantidadesDiarias.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Rows 0 and 1 (days, weekdays) and column 0 (duties) are fixed.
constexpr int linhasFixas = 2;
} // namespace

TFQuantMilSvDia::TFQuantMilSvDia(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FQuantMilSvDia"));
    setWindowTitle(QStringLiteral("Quantidades de  Militares nos Serviços"));
    setModal(true);
    auto* rotulo = new QLabel(
        QStringLiteral("Altere (se necessário) o número de postos de cada serviço a cada dia:"),
        this);
    rotulo->setObjectName(QStringLiteral("Label1"));
    grade = new QTableWidget(this);
    grade->setObjectName(QStringLiteral("SGQuantMilSvDia"));
    grade->horizontalHeader()->hide();
    grade->verticalHeader()->hide();
    grade->horizontalHeader()->setDefaultSectionSize(50);
    grade->setWordWrap(false);
    grade->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto* continuar = new QPushButton(QStringLiteral("Continuar"), this);
    continuar->setObjectName(QStringLiteral("Button1"));
    continuar->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotulo);
    layout->addWidget(grade, 1);
    layout->addWidget(continuar, 0, Qt::AlignRight);

    setMouseTracking(true);
    grade->viewport()->setMouseTracking(true);
    installEventFilter(this);
    grade->viewport()->installEventFilter(this);
    connect(continuar, &QPushButton::clicked, this, [this] {
        if (Fecha())
            done(QDialog::Accepted);
    });
}

void TFQuantMilSvDia::MostraEFecha() {
    show();
    if (Fecha()) {
        done(QDialog::Accepted);
        return;
    }
    hide();
    exec();
}

void TFQuantMilSvDia::reject() {
    if (Fecha())
        done(QDialog::Rejected);
}

void TFQuantMilSvDia::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        Ativa();
}

bool TFQuantMilSvDia::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove || evento->type() == QEvent::MouseButtonPress)
        sis.Quantidades.Tocada = true;
    return QDialog::eventFilter(objeto, evento);
}

void TFQuantMilSvDia::Ativa() {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Tenta(sis.dialogos, [&] { AtivaTabelaQuantidades(sis); });
    MostraTabela();
}

void TFQuantMilSvDia::MostraTabela() {
    const GradeTexto& g = sis.Quantidades.SGQuantMilSvDia;
    grade->clear();
    grade->setColumnCount(g.Colunas());
    grade->setRowCount(g.Linhas());
    const QBrush fundoFixo = palette().brush(QPalette::Button);
    for (int r = 0; r < g.Linhas(); ++r)
        for (int c = 0; c < g.Colunas(); ++c) {
            auto* item = new QTableWidgetItem(g.Cel(c, r));
            if (c > 0)
                item->setTextAlignment(Qt::AlignCenter);
            if (r < linhasFixas || c == 0) {
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                item->setBackground(fundoFixo);
            }
            grade->setItem(r, c, item);
        }
    AjustaAoConteudo();
}

void TFQuantMilSvDia::AjustaAoConteudo() {
    grade->resizeColumnsToContents();
    grade->resizeRowsToContents();
    // The window takes the whole table, up to the screen; beyond it the grid
    // scrolls.
    grade->updateGeometry();
    layout()->invalidate();
    QSize desejado = sizeHint();
    const QSize tela = screen()->availableGeometry().size() - QSize(16, 48);
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (desejado.width() > tela.width())
        desejado.rheight() += barra;
    if (desejado.height() > tela.height())
        desejado.rwidth() += barra;
    resize(desejado.boundedTo(tela));
}

bool TFQuantMilSvDia::Fecha() {
    GradeTexto& g = sis.Quantidades.SGQuantMilSvDia;
    // A cell still being edited counts with what was typed into it.
    const QModelIndex atual = grade->currentIndex();
    if (QWidget* editor = grade->indexWidget(atual))
        emit grade->itemDelegateForIndex(atual)->commitData(editor);
    for (int r = linhasFixas; r < g.Linhas() && r < grade->rowCount(); ++r)
        for (int c = 1; c < g.Colunas() && c < grade->columnCount(); ++c)
            if (const QTableWidgetItem* item = grade->item(r, c))
                g.DefineCel(c, r, item->text());
    const std::optional<QString> recusa = FechaTabelaQuantidades(sis);
    if (recusa) {
        sis.dialogos.Aviso(*recusa);
        return false;
    }
    MostraTabela();
    return true;
}
