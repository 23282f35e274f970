#include "maintenance/TFListaNumNomes.h"

#include "base/ConsultaF1Qt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int AlturaFechada = 21;
constexpr int AlturaSaindo = 18;

const QStringList& TextoMemo1() {
    static const QStringList linhas{
        QString(),
        QStringLiteral("          Como proceder neste formulário:"),
        QString(),
        QStringLiteral("1º) clicar no interior da Caixa de Edição "),
        QStringLiteral("      Número ,  Nome  ou Posto/Grd  para   "),
        QStringLiteral("     fazer a pesquisa por Número, Nome ou"),
        QStringLiteral("      pelo Posto/Graduação do(s) militare(s);"),
        QString(),
        QStringLiteral("2º) clicar no botão [Procurar Número,Nome....];"),
        QString(),
        QStringLiteral("3º  na área de cor verde, aparecerão os dados "),
        QStringLiteral("     dos militares que satisfazem a sua pesquisa;"),
        QString(),
        QStringLiteral("4º) se desejar ver todos os militares, clicar no "),
        QStringLiteral("      botão [Clicar aqui para ver todos militares ]."),
        QString(),
        QString(),
        QString(),
        QStringLiteral("                    ===  Nota: ===== "),
        QString(),
        QStringLiteral("    Se vovê for usar os dados da pesquisa  atual "),
        QStringLiteral("em outro formulário, você deve selecioná-los"),
        QStringLiteral("na Lista Verde CLICANDO EM CADA UMA DAS "),
        QStringLiteral("LINHAS que você quer exportar e depois no"),
        QStringLiteral("botão [ SAIR ]"),
        QString(),
        QString(),
    };
    return linhas;
}

// Two arrows pointing left, at the result list.
QPixmap SetasEsquerda() {
    QPixmap figura(40, 40);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x20, 0x60, 0x20));
    p.setPen(Qt::NoPen);
    for (int y : {4, 22}) {
        QPainterPath seta;
        seta.moveTo(2, y + 7);
        seta.lineTo(16, y);
        seta.lineTo(16, y + 4);
        seta.lineTo(38, y + 4);
        seta.lineTo(38, y + 10);
        seta.lineTo(16, y + 10);
        seta.lineTo(16, y + 14);
        seta.closeSubpath();
        p.drawPath(seta);
    }
    return figura;
}

template <typename T> T* Cria(QWidget* pai, const char* nome, const QRect& lugar) {
    auto* w = new T(pai);
    w->setObjectName(QLatin1String(nome));
    w->setGeometry(lugar);
    return w;
}

QLabel* Rotulo(QWidget* pai, const char* nome, const QString& texto, const QRect& lugar) {
    auto* l = Cria<QLabel>(pai, nome, lugar);
    l->setText(texto);
    return l;
}

QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto, const QRect& lugar) {
    auto* b = Cria<QPushButton>(pai, nome, lugar);
    b->setText(texto);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFListaNumNomes::TFListaNumNomes(Sistema& s, QWidget* pai) : QDialog(pai), sis(s), consulta(s) {
    setObjectName(QStringLiteral("FListaNumNomes"));
    setWindowTitle(QStringLiteral("Consulta Pessoal"));
    setFixedSize(745, 640);

    listBox1 = Cria<QListWidget>(this, "ListBox1", {10, 10, 300, 590});
    listBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    listBox1->setToolTip(QStringLiteral("Para selecionar Todos, dê 2 clics"));
    listBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    listBox1->viewport()->installEventFilter(this);
    button2 = Botao(this, "Button2", QStringLiteral("Sair"), {220, 606, 90, 26});
    connect(button2, &QPushButton::clicked, this, &QDialog::close);
    image1 = Cria<QLabel>(this, "Image1", {315, 150, 40, 40});
    image1->setPixmap(SetasEsquerda());

    label4 = Rotulo(this, "Label4", QStringLiteral("Número"), {365, 12, 80, 20});
    edit5 = Cria<QLineEdit>(this, "Edit5", {450, 10, 180, 22});
    label3 = Rotulo(this, "Label3", QStringLiteral("Nome"), {365, 42, 80, 20});
    edit4 = Cria<QLineEdit>(this, "Edit4", {450, 40, 180, 22});
    label2 = Rotulo(this, "Label2", QStringLiteral("Posto/Grd"), {365, 72, 80, 20});
    button1 = Botao(this, "Button1", QString(), {365, 102, 265, 28});
    button3 = Botao(this, "Button3", QStringLiteral("Clicar aqui  para ver todos militares"),
                    {365, 136, 265, 28});
    // Created after the buttons, so that when it opens it lies over them.
    listBox2 = Cria<QListWidget>(this, "ListBox2", {450, 70, 180, AlturaFechada});
    listBox2->setSelectionMode(QAbstractItemView::MultiSelection);
    listBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listBox2->installEventFilter(this);
    listBox2->viewport()->installEventFilter(this);
    edit4->installEventFilter(this);
    edit5->installEventFilter(this);

    memo1 = Cria<QPlainTextEdit>(this, "Memo1", {365, 176, 370, 424});
    memo1->setReadOnly(true);
    memo1->setPlainText(TextoMemo1().join(QLatin1Char('\n')));
    memo1->setFocusPolicy(Qt::NoFocus);

    connect(button1, &QPushButton::clicked, this, &TFListaNumNomes::Button1Click);
    connect(button3, &QPushButton::clicked, this, &TFListaNumNomes::Button3Click);
    setTabOrder(listBox1, edit5);
    setTabOrder(edit5, edit4);
    setTabOrder(edit4, listBox2);
    setTabOrder(listBox2, button1);
    setTabOrder(button1, button3);
    setTabOrder(button3, button2);
    MostraResultado(false);
}

void TFListaNumNomes::AtendeF1() {
    qApp->installEventFilter(this);
}

void TFListaNumNomes::MostraAoLado(QWidget* tela) {
    if (isVisible() && (isModal() || parentWidget() == tela)) {
        raise();
        activateWindow();
        return;
    }
    hide();
    // A child window of the screen, so that a modal screen does not block it.
    setParent(tela, Qt::Dialog);
    setWindowModality(Qt::NonModal);
    const QRect area = tela->screen() ? tela->screen()->availableGeometry() : QRect();
    QPoint lugar = tela->frameGeometry().topRight() + QPoint(8, 0);
    if (area.isValid() && lugar.x() + width() > area.right())
        lugar.setX(std::max(area.left(), area.right() - width()));
    move(lugar);
    show();
    raise();
    activateWindow();
}

void TFListaNumNomes::MostraModal(QWidget* chamador) {
    hide();
    setParent(chamador, Qt::Dialog);
    exec();
}

QStringList TFListaNumNomes::LinhasSelecionadas() const {
    QStringList linhas;
    for (int i = 0; i < listBox1->count(); ++i)
        if (listBox1->item(i)->isSelected())
            linhas << listBox1->item(i)->text();
    return linhas;
}

QStringList TFListaNumNomes::NumerosSelecionados() const {
    QStringList numeros;
    for (const QString& linha : LinhasSelecionadas())
        numeros << NumeroDaLinha(linha);
    return numeros;
}

bool TFListaNumNomes::event(QEvent* evento) {
    // Shown, or made active again after another window was: the activation.
    if (evento->type() == QEvent::Show) {
        Ativacao();
    } else if (evento->type() == QEvent::WindowDeactivate) {
        desativada = true;
    } else if (evento->type() == QEvent::WindowActivate && desativada) {
        Ativacao();
    }
    return QDialog::event(evento);
}

void TFListaNumNomes::Ativacao() {
    desativada = false;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    PintaFundo(listBox1, CorDoSlot(sis.SlotsCores, 6));
    listBox1->clear();
    MostraResultado(false);
    for (QWidget* w : {static_cast<QWidget*>(label2), static_cast<QWidget*>(label3),
                       static_cast<QWidget*>(label4), static_cast<QWidget*>(edit4),
                       static_cast<QWidget*>(edit5), static_cast<QWidget*>(listBox2)})
        w->show();
    edit4->clear();
    edit5->clear();
    listBox2->clear();
    QStringList postos;
    if (!Tenta(sis.dialogos, [&] { postos = consulta.Ativa(); }))
        return;
    listBox2->addItems(postos);
    Button3Click();
    edit5->setFocus();
}

void TFListaNumNomes::MostraResultado(bool visivel) {
    listBox1->setVisible(visivel);
    image1->setVisible(visivel);
    button2->setVisible(visivel);
}

void TFListaNumNomes::MostraModo(Modo modo) {
    static const char* const Legendas[] = {"Procurar Número(s), Nome ou Posto(s)",
                                           "Procurar Numero(s)", "Procurar Nome",
                                           "Procurar Postos/Graduações"};
    button1->setText(QString::fromUtf8(Legendas[static_cast<int>(modo)]));
    label4->setVisible(modo == Modo::Todos || modo == Modo::Numero);
    edit5->setVisible(modo == Modo::Todos || modo == Modo::Numero);
    label3->setVisible(modo == Modo::Todos || modo == Modo::Nome);
    edit4->setVisible(modo == Modo::Todos || modo == Modo::Nome);
    label2->setVisible(modo == Modo::Todos || modo == Modo::Posto);
    listBox2->setVisible(modo == Modo::Todos || modo == Modo::Posto);
    Expande(modo == Modo::Posto);
}

void TFListaNumNomes::Expande(bool aberta) {
    int altura = AlturaFechada;
    if (aberta) {
        const int linha = listBox2->count() ? std::max(13, listBox2->sizeHintForRow(0)) : 13;
        altura = linha * listBox2->count() + 5;
        listBox2->raise();
    }
    listBox2->resize(listBox2->width(), altura);
}

void TFListaNumNomes::Button3Click() {
    MostraModo(Modo::Todos);
    MostraResultado(true);
    edit4->clear();
    edit5->clear();
    Tenta(sis.dialogos, [&] { PoeLinhas(consulta.ListaCompleta()); });
}

void TFListaNumNomes::PoeLinhas(const QStringList& linhas) {
    listBox1->clear();
    listBox1->addItems(linhas);
}

void TFListaNumNomes::Button1Click() {
    MostraResultado(true);
    PesquisaPessoal p;
    p.Numeros = edit5->text();
    p.Nome = edit4->text();
    for (const QListWidgetItem* item : listBox2->selectedItems())
        p.Postos << item->text();
    p.NumerosMostrado = !edit5->isHidden();
    p.NomeMostrado = !edit4->isHidden();
    p.PostosMostrado = !listBox2->isHidden();
    const bool feita = Tenta(sis.dialogos, [&] { PoeLinhas(consulta.Procura(p)); });
    // Coming back from the refusal's message is no new activation.
    if (!feita)
        desativada = false;
    if (feita && p.PostosMostrado) {
        // All three inputs again, the ranks still selected, the caption kept.
        const QString legenda = button1->text();
        MostraModo(Modo::Todos);
        button1->setText(legenda);
        edit4->clear();
        edit5->clear();
    }
}

bool TFListaNumNomes::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_F1 &&
        objeto->isWidgetType()) {
        QWidget* janela = static_cast<QWidget*>(objeto)->window();
        if (TemConsultaF1(janela)) {
            MostraAoLado(janela);
            return true;
        }
        return false;
    }
    if (objeto == edit4 || objeto == edit5) {
        // A click into the field, or typing into it while all three inputs
        // show (reached by Tab), chooses its search.
        const auto escreve = [evento] {
            const QString texto = static_cast<QKeyEvent*>(evento)->text();
            return !texto.isEmpty() && texto.front().isPrint();
        };
        const bool digitando = tipo == QEvent::KeyPress && !label2->isHidden() && escreve();
        if (tipo == QEvent::MouseButtonPress || digitando)
            MostraModo(objeto == edit4 ? Modo::Nome : Modo::Numero);
    } else if (objeto == listBox2->viewport() && tipo == QEvent::MouseButtonPress) {
        MostraModo(Modo::Posto);
    } else if (objeto == listBox2 && tipo == QEvent::Leave) {
        listBox2->resize(listBox2->width(), AlturaSaindo);
    } else if (objeto == listBox1->viewport() && tipo == QEvent::MouseButtonDblClick) {
        listBox1->selectAll();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}
