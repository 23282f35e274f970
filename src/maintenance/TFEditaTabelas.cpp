#include "maintenance/TFEditaTabelas.h"

#include "base/ConsultaF1Qt.h"
#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/TFCorrigePstGrd.h"
#include "model/Sistema.h"
#include "reports/TFEscolherSv.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const textoNota[] = {
    "",
    "     Esta Grade não permite alterações. Para realizar as",
    "     que  se  fizerem  necessárias,  você deverá   utilizar as",
    "     opções 2. e 3.",
    "",
    "          (clique sobre esta nota para continuar)",
};

// Every cell is typed as text, starting from what the grid shows.
class EditorTexto : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(pai);
        editor->setFrame(false);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override {
        static_cast<QLineEdit*>(editor)->setText(indice.data(Qt::DisplayRole).toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* modelo,
                      const QModelIndex& indice) const override {
        modelo->setData(indice, static_cast<QLineEdit*>(editor)->text());
    }
};

} // namespace

TFEditaTabelas::TFEditaTabelas(Sistema& s, QWidget* pai) : QDialog(pai), sis(s), edicao(s) {
    setObjectName(QStringLiteral("FEditaTabelas"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Edição das Tabelas do sistema"));
    escolha = new TFEscolherSv(s, this);
    correcaoPropria = new TFCorrigePstGrd(s, this);
    correcao = correcaoPropria;

    auto* coluna = new QVBoxLayout(this);
    // The mark of the chosen view, behind its label.
    bevel1 = Nomeado(new QFrame(this), "Bevel1");
    bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel1->setLineWidth(2);
    const std::pair<const char*, const char*> rotulos[] = {
        {"Label2", "1.  Quadro com  as características dos Serviços existentes"},
        {"Label1", "2.  Informações dos Militares que sejam de interesse para o Serviço"},
        {"Label6", "3.  Relação de cada Serviço com as QUANTIDADES VIRTUAIS de serviços por "
                   "militar"},
        {"Label3", "4.  Informações dos militares (opção 2) inseridas na Relação dos Serviços "
                   "(opção 3)"},
    };
    for (int n = 1; n <= 4; ++n) {
        QLabel* l = Rotulo(this, rotulos[n - 1].first, QString::fromUtf8(rotulos[n - 1].second));
        l->setProperty("clicavel", true);
        l->setCursor(Qt::PointingHandCursor);
        l->setContentsMargins(6, 3, 6, 3);
        l->installEventFilter(this);
        opcoes[n] = l;
        coluna->addWidget(l, 0, Qt::AlignLeft);
    }

    auto* titulo = new QHBoxLayout;
    label4 = Rotulo(this, "Label4", QStringLiteral("Situação da Escada de :"));
    label5 = RotuloNegrito(this, "Label5");
    titulo->addWidget(label4);
    titulo->addWidget(label5, 1);
    coluna->addLayout(titulo);

    memo1 = Nomeado(new QPlainTextEdit(this), "Memo1");
    memo1->setReadOnly(true);
    memo1->setFocusPolicy(Qt::NoFocus);
    QStringList nota;
    for (const char* linha : textoNota)
        nota << QString::fromUtf8(linha);
    memo1->setPlainText(nota.join(QLatin1Char('\n')));
    memo1->setFixedHeight(memo1->fontMetrics().lineSpacing() * 8);
    memo1->viewport()->installEventFilter(this);
    coluna->addWidget(memo1);

    auto* busca = new QHBoxLayout;
    button8 = Botao(this, "Button8", QStringLiteral("Pesquisar"));
    busca->addWidget(button8);
    edit1 = Nomeado(new QLineEdit(this), "Edit1");
    edit1->setMaxLength(4);
    edit1->setFixedWidth(edit1->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    auto* button2 = Botao(this, "Button2", QStringLiteral("Pesquisa Nº"));
    edit2 = Nomeado(new QLineEdit(this), "Edit2");
    edit2->setMaxLength(15);
    edit2->setFixedWidth(edit2->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMMM")) +
                         16);
    auto* button3 = Botao(this, "Button3", QStringLiteral("Pesquisa Nome"));
    auto* panel1 = Nomeado(new QFrame(this), "Panel1");
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* afastamento = new QHBoxLayout(panel1);
    afastamento->setContentsMargins(6, 2, 6, 2);
    afastamento->addWidget(Rotulo(panel1, "Label7", QStringLiteral("Afastamento")));
    auto* button4 = Botao(panel1, "Button4", QStringLiteral("P"));
    auto* button5 = Botao(panel1, "Button5", QStringLiteral("R"));
    auto* button6 = Botao(panel1, "Button6", QStringLiteral("P+R"));
    for (QPushButton* b : {button4, button5, button6}) {
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("P+R")) + 24);
        afastamento->addWidget(b);
    }
    auto* button7 = Botao(this, "Button7", QStringLiteral("Ver Todos"));
    auto* button9 = Botao(this, "Button9", QStringLiteral("Ajuda"));
    for (QWidget* w : std::initializer_list<QWidget*>{edit1, button2, edit2, button3, panel1,
                                                      button7, button9}) {
        busca->addWidget(w);
        pesquisa << w;
    }
    busca->addStretch();
    coluna->addLayout(busca);

    dbgEditor = Nomeado(new QTableView(this), "DBGEditor");
    dbgEditor->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgEditor->setSelectionMode(QAbstractItemView::ExtendedSelection);
    dbgEditor->setAlternatingRowColors(true);
    dbgEditor->setItemDelegate(new EditorTexto(dbgEditor));
    dbgEditor->verticalHeader()->setDefaultSectionSize(dbgEditor->fontMetrics().height() + 6);
    dbgEditor->setMinimumSize(900, dbgEditor->fontMetrics().height() * 18);
    dbgEditor->installEventFilter(this);
    coluna->addWidget(dbgEditor, 1);

    auto* rodape = new QHBoxLayout;
    dbnEditor = Nomeado(new QWidget(this), "DBNEditor");
    auto* navegador = new QHBoxLayout(dbnEditor);
    navegador->setContentsMargins(0, 0, 0, 0);
    navegador->setSpacing(2);
    const auto botaoNavegador = [&](const char* nome, const QString& texto, const QString& dica) {
        QPushButton* b = Botao(dbnEditor, nome, texto);
        b->setToolTip(dica);
        navegador->addWidget(b);
        return b;
    };
    connect(botaoNavegador("Primeiro", QStringLiteral("|<"), QStringLiteral("Primeira linha")),
            &QPushButton::clicked, this, [this] { Navega(-2); });
    connect(botaoNavegador("Anterior", QStringLiteral("<"), QStringLiteral("Linha anterior")),
            &QPushButton::clicked, this, [this] { Navega(-1); });
    connect(botaoNavegador("Proximo", QStringLiteral(">"), QStringLiteral("Próxima linha")),
            &QPushButton::clicked, this, [this] { Navega(1); });
    connect(botaoNavegador("Ultimo", QStringLiteral(">|"), QStringLiteral("Última linha")),
            &QPushButton::clicked, this, [this] { Navega(2); });
    QPushButton* editar =
        botaoNavegador("Editar", QStringLiteral("Editar"), QStringLiteral("Alterar a célula"));
    QPushButton* gravar =
        botaoNavegador("Gravar", QStringLiteral("Gravar"), QStringLiteral("Gravar a linha"));
    QPushButton* cancelar = botaoNavegador("Cancelar", QStringLiteral("Cancelar"),
                                           QStringLiteral("Desfazer as alterações da linha"));
    edicaoBotoes = {editar, gravar, cancelar};
    connect(editar, &QPushButton::clicked, this, [this] {
        QModelIndex atual = dbgEditor->currentIndex();
        if (!atual.isValid() && dbgEditor->model())
            atual = dbgEditor->model()->index(0, 0);
        if (atual.isValid()) {
            dbgEditor->setFocus();
            dbgEditor->edit(atual);
        }
    });
    connect(gravar, &QPushButton::clicked, this, [this] { Grava(); });
    connect(cancelar, &QPushButton::clicked, this, &TFEditaTabelas::Cancela);
    connect(botaoNavegador("Atualizar", QStringLiteral("Atualizar"),
                           QStringLiteral("Ler a tabela de novo")),
            &QPushButton::clicked, this, &TFEditaTabelas::Atualiza);
    rodape->addWidget(dbnEditor);
    rodape->addStretch();
    bitBtn1 = Botao(this, "BitBtn1", QStringLiteral("Impressão"));
    auto* button1 = Botao(this, "Button1", QStringLiteral("Sair"));
    rodape->addWidget(bitBtn1);
    rodape->addWidget(button1);
    coluna->addLayout(rodape);
    bevel1->lower();

    connect(button8, &QPushButton::clicked, this, [this] {
        MostraPesquisa(true);
        button8->hide();
    });
    connect(button2, &QPushButton::clicked, this,
            [this] { Pesquisa([this] { edicao.PesquisaNum(edit1->text()); }); });
    connect(button3, &QPushButton::clicked, this,
            [this] { Pesquisa([this] { edicao.PesquisaNome(edit2->text()); }); });
    connect(button4, &QPushButton::clicked, this,
            [this] { Pesquisa([this] { edicao.PesquisaAfastamento(QStringLiteral("P")); }); });
    connect(button5, &QPushButton::clicked, this,
            [this] { Pesquisa([this] { edicao.PesquisaAfastamento(QStringLiteral("R")); }); });
    connect(button6, &QPushButton::clicked, this,
            [this] { Pesquisa([this] { edicao.PesquisaAfastamento(QString()); }); });
    connect(button7, &QPushButton::clicked, this,
            [this] { Pesquisa([this] { edicao.VerTodos(); }); });
    connect(button9, &QPushButton::clicked, this, [this] {
        emit ManualPedido(QStringLiteral("023"));
        button8->show();
    });
    connect(bitBtn1, &QPushButton::clicked, this, &TFEditaTabelas::Imprime);
    connect(button1, &QPushButton::clicked, this, &QDialog::close);
    resize(1100, 680);
}

TFEditaTabelas::~TFEditaTabelas() {
    // The grid lets go of the model before the models go.
    dbgEditor->setModel(nullptr);
}

void TFEditaTabelas::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    escolhida = nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{bevel1, label4, label5, memo1, bitBtn1})
        w->hide();
    MostraPesquisa(false);
    button8->show();
    button8->setEnabled(false);
    for (QPushButton* b : edicaoBotoes)
        b->setEnabled(false);
    QDialog::showEvent(evento);
}

void TFEditaTabelas::MostraPesquisa(bool visivel) {
    for (QWidget* w : pesquisa)
        w->setVisible(visivel);
}

void TFEditaTabelas::Opcao(int n) {
    // A pending edit is posted before the view changes; a refused one stays.
    if (!Grava())
        return;
    escolhida = opcoes[n];
    MarcaOpcao();
    MostraPesquisa(false);
    memo1->hide();
    switch (n) {
    case 1:
        label4->hide();
        label5->hide();
        bitBtn1->hide();
        button8->setEnabled(false);
        if (Tenta(sis.dialogos, [&] { edicao.Servicos(); }))
            Liga();
        break;
    case 2:
        label4->hide();
        label5->hide();
        bitBtn1->hide();
        button8->show();
        button8->setEnabled(true);
        if (Tenta(sis.dialogos, [&] { edicao.Pessoal(); }))
            Liga();
        break;
    case 3:
        bitBtn1->hide();
        label4->show();
        label5->show();
        if (!Tenta(sis.dialogos, [&] { edicao.PreparaEscolha(); }))
            break;
        escolha->exec();
        Tenta(sis.dialogos, [&] {
            if (edicao.Rodizio()) {
                label5->setText(edicao.Descricao());
                Liga();
            }
        });
        break;
    case 4:
        if (edicao.PrimeiroUsoSituacao())
            memo1->show();
        if (!Tenta(sis.dialogos, [&] { edicao.PreparaEscolha(); }))
            break;
        escolha->exec();
        label4->show();
        label5->show();
        bitBtn1->show();
        Tenta(sis.dialogos, [&] {
            if (edicao.Situacao()) {
                label5->setText(edicao.Descricao());
                Liga();
            }
        });
        break;
    }
}

void TFEditaTabelas::MarcaOpcao() {
    if (!escolhida) {
        bevel1->hide();
        return;
    }
    bevel1->setGeometry(escolhida->geometry().adjusted(-2, -1, 2, 1));
    bevel1->show();
    bevel1->lower();
}

void TFEditaTabelas::resizeEvent(QResizeEvent* evento) {
    QDialog::resizeEvent(evento);
    MarcaOpcao();
}

void TFEditaTabelas::Liga() {
    QAbstractItemModel* modelo = edicao.Modelo();
    dbgEditor->setModel(modelo);
    const bool editavel = edicao.Editavel();
    dbgEditor->setEditTriggers(editavel ? QAbstractItemView::DoubleClicked |
                                              QAbstractItemView::EditKeyPressed |
                                              QAbstractItemView::AnyKeyPressed
                                        : QAbstractItemView::NoEditTriggers);
    for (QPushButton* b : edicaoBotoes)
        b->setEnabled(editavel);
    if (!modelo)
        return;
    dbgEditor->resizeColumnsToContents();
    const QFontMetrics fm = dbgEditor->fontMetrics();
    for (int c = 0; c < modelo->columnCount(); ++c)
        dbgEditor->setColumnWidth(
            c, qMax(dbgEditor->columnWidth(c) + 8,
                    fm.horizontalAdvance(modelo->headerData(c, Qt::Horizontal).toString()) + 24));
    if (modelo->rowCount() > 0)
        dbgEditor->selectionModel()->setCurrentIndex(modelo->index(0, 0),
                                                     QItemSelectionModel::NoUpdate);
    // Leaving a row posts its edits; a refused post goes back to the row.
    connect(dbgEditor->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual, const QModelIndex& anterior) {
                const ModeloTabela* tabela = edicao.Tabela();
                if (voltando || !tabela || !tabela->Pendente() || !anterior.isValid())
                    return;
                const int linha = atual.row(), coluna = atual.column();
                QTimer::singleShot(0, this, [this, linha, coluna] {
                    const ModeloTabela* t = edicao.Tabela();
                    if (!t || !t->Pendente())
                        return;
                    const int volta = t->PrimeiraAlterada();
                    const bool gravou = Grava();
                    QAbstractItemModel* m = dbgEditor->model();
                    if (!m)
                        return;
                    voltando = true;
                    dbgEditor->selectionModel()->setCurrentIndex(
                        m->index(gravou ? linha : volta, coluna), QItemSelectionModel::NoUpdate);
                    voltando = false;
                });
            });
}

template <typename Acao> void TFEditaTabelas::Pesquisa(Acao&& acao) {
    if (!Grava())
        return;
    if (Tenta(sis.dialogos, acao))
        Liga();
}

void TFEditaTabelas::Navega(int passo) {
    QAbstractItemModel* m = dbgEditor->model();
    if (!m || m->rowCount() == 0)
        return;
    const QModelIndex atual = dbgEditor->currentIndex();
    const int ultima = m->rowCount() - 1;
    int linha = atual.isValid() ? atual.row() : 0;
    switch (passo) {
    case -2:
        linha = 0;
        break;
    case 2:
        linha = ultima;
        break;
    default:
        linha = qBound(0, linha + passo, ultima);
    }
    const QModelIndex destino = m->index(linha, atual.isValid() ? atual.column() : 0);
    dbgEditor->selectionModel()->setCurrentIndex(destino, QItemSelectionModel::NoUpdate);
    dbgEditor->scrollTo(destino);
}

bool TFEditaTabelas::Grava() {
    ModeloTabela* t = edicao.Tabela();
    if (!t || !t->Pendente())
        return true;
    const QModelIndex atual = dbgEditor->currentIndex();
    const bool gravou = Tenta(sis.dialogos, [&] { t->Grava(); });
    if (gravou && atual.isValid()) {
        voltando = true;
        dbgEditor->selectionModel()->setCurrentIndex(t->index(atual.row(), atual.column()),
                                                     QItemSelectionModel::NoUpdate);
        voltando = false;
    }
    return gravou;
}

void TFEditaTabelas::Cancela() {
    if (ModeloTabela* t = edicao.Tabela())
        t->Cancela();
}

void TFEditaTabelas::Atualiza() {
    if (Tenta(sis.dialogos, [&] { edicao.Atualiza(); }))
        Liga();
}

void TFEditaTabelas::Apaga() {
    ModeloTabela* t = edicao.Tabela();
    const QModelIndex atual = dbgEditor->currentIndex();
    if (!t || !atual.isValid())
        return;
    if (!sis.dialogos.Confirma(QStringLiteral("Apagar a linha %1 da tabela?").arg(atual.row() + 1)))
        return;
    if (Tenta(sis.dialogos, [&] { t->Apaga(atual.row()); }))
        Liga();
}

void TFEditaTabelas::Imprime() {
    QList<int> linhas;
    if (dbgEditor->selectionModel())
        for (const QModelIndex& i : dbgEditor->selectionModel()->selectedRows())
            linhas << i.row();
    Tenta(sis.dialogos, [&] { edicao.Imprime(sis.impressora, linhas); });
}

bool TFEditaTabelas::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress) {
        for (int n = 1; n <= 4; ++n)
            if (objeto == opcoes[n]) {
                Opcao(n);
                return true;
            }
        if (objeto == memo1->viewport()) {
            memo1->hide();
            return true;
        }
    }
    if (objeto == dbgEditor && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Delete && (tecla->modifiers() & Qt::ControlModifier)) {
            Apaga();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFEditaTabelas::done(int resultado) {
    if (!Grava())
        return;
    // The grid and navigator stand aside while the ranks are checked; a
    // failure is told and the screen closes all the same.
    dbgEditor->setModel(nullptr);
    dbgEditor->hide();
    dbnEditor->hide();
    Tenta(sis.dialogos, [&] { edicao.Fecha(*correcao); });
    dbgEditor->show();
    dbnEditor->show();
    QDialog::done(resultado);
}
