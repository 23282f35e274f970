#include "maintenance/TFModelosPstGrd.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/PostosGraduacoes.h"
#include "model/Sistema.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int LarguraColuna = 62;
constexpr int AlturaLinha = 16;

// The models grid, with two bands in the desktop colour that set the heading
// row and the standard-form column apart from the other cells.
class GradeModelos : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void paintEvent(QPaintEvent* evento) override {
        QTableWidget::paintEvent(evento);
        QPainter p(viewport());
        const QColor desktop(0x3A, 0x6E, 0xA5);
        const int y = rowViewportPosition(1) - 1;
        const int x = columnViewportPosition(1) - 2;
        const int largura = columnViewportPosition(columnCount() - 1) + LarguraColuna;
        const int altura = rowViewportPosition(rowCount() - 1) + AlturaLinha;
        if (rowViewportPosition(1) >= 0)
            p.fillRect(0, y, largura, 2, desktop);
        if (columnViewportPosition(1) >= 0)
            p.fillRect(x, 0, 2, altura, desktop);
    }
};

} // namespace

TFModelosPstGrd::TFModelosPstGrd(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FModelosPstGrd"));
    setWindowTitle(QStringLiteral("Modelos de escrita  dos Postos e Graduações"));
    auto* coluna = new QVBoxLayout(this);
    auto* label1 = new QLabel(QStringLiteral("Quadro Modelo de Postos e Graduações"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont titulo = label1->font();
    titulo.setBold(true);
    titulo.setPointSize(titulo.pointSize() + 2);
    label1->setFont(titulo);
    coluna->addWidget(label1, 0, Qt::AlignHCenter);

    sGModelos = new GradeModelos(ModelosPstGrd::Linhas, ModelosPstGrd::Colunas, this);
    sGModelos->setObjectName(QStringLiteral("SGModelos"));
    sGModelos->horizontalHeader()->hide();
    sGModelos->verticalHeader()->hide();
    sGModelos->horizontalHeader()->setMinimumSectionSize(1);
    sGModelos->verticalHeader()->setMinimumSectionSize(1);
    sGModelos->horizontalHeader()->setDefaultSectionSize(LarguraColuna);
    sGModelos->verticalHeader()->setDefaultSectionSize(AlturaLinha);
    sGModelos->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed);
    sGModelos->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont pequena = sGModelos->font();
    pequena.setPointSize(8);
    sGModelos->setFont(pequena);
    sGModelos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sGModelos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int moldura = 2 * sGModelos->frameWidth();
    sGModelos->setFixedSize(ModelosPstGrd::Colunas * LarguraColuna + moldura,
                            ModelosPstGrd::Linhas * AlturaLinha + moldura);
    coluna->addWidget(sGModelos);

    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("Button1"));
    sair->setAutoDefault(false);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
    coluna->addWidget(sair, 0, Qt::AlignRight);
}

void TFModelosPstGrd::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    PintaFundo(sGModelos, CorDoSlot(sis.SlotsCores, 3));
    lido = Tenta(sis.dialogos, [&] { LeModelosPstGrd(sis); });
    if (lido)
        MostraModelos();
    QDialog::showEvent(evento);
}

void TFModelosPstGrd::MostraModelos() {
    for (int c = 0; c < ModelosPstGrd::Colunas; ++c)
        for (int r = 0; r < ModelosPstGrd::Linhas; ++r) {
            QTableWidgetItem* item = sGModelos->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                sGModelos->setItem(r, c, item);
            }
            item->setText(sis.SGModelos.Cells[c][r]);
        }
}

void TFModelosPstGrd::done(int resultado) {
    // A cell still being typed into counts.
    sGModelos->setCurrentIndex(QModelIndex());
    if (lido) {
        for (int c = 0; c < ModelosPstGrd::Colunas; ++c)
            for (int r = 0; r < ModelosPstGrd::Linhas; ++r) {
                const QTableWidgetItem* item = sGModelos->item(r, c);
                sis.SGModelos.Cells[c][r] = item ? item->text() : QString();
            }
        Tenta(sis.dialogos, [&] { GravaModelosPstGrd(sis); });
    }
    lido = false;
    QDialog::done(resultado);
}
