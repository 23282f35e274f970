#include "shell/TFManual.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "shell/Manual.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A plain container, caption or picture: what a click reaches when it falls
// on a screen's background. The inside of a control (a list's viewport, a
// scroll bar's holder) is the control's, never background; so is a caption or
// panel marked "clicavel", which acts as a button.
bool Fundo(const QWidget* w) {
    if (w->property("clicavel").toBool())
        return false;
    const QMetaObject* m = w->metaObject();
    if (m == &QLabel::staticMetaObject)
        return !(static_cast<const QLabel*>(w)->textInteractionFlags() &
                 (Qt::TextSelectableByMouse | Qt::TextEditable));
    return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject ||
           m == &QGroupBox::staticMetaObject || m == &QStackedWidget::staticMetaObject;
}

// The background containers inside w, reached through containers only.
void Fundos(QWidget* w, QList<QWidget*>& fundos) {
    for (QObject* o : w->children())
        if (o->isWidgetType()) {
            auto* filho = static_cast<QWidget*>(o);
            if (!filho->isWindow() && Fundo(filho)) {
                fundos.append(filho);
                Fundos(filho, fundos);
            }
        }
}

} // namespace

TFManual::TFManual(Sistema& s, QWidget* pai) : QWidget(pai, Qt::Window), sis(s) {
    setObjectName(QStringLiteral("FManual"));
    setWindowTitle(QStringLiteral("Manual do Sistema"));
    auto* layout = new QVBoxLayout(this);
    auto* label1 = new QLabel(QStringLiteral("Manual do Sistema "), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont f = label1->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    label1->setFont(f);
    layout->addWidget(label1);
    lbManual = new QListWidget(this);
    lbManual->setObjectName(QStringLiteral("LBManual"));
    lbManual->setFont(QFont(QStringLiteral("Monospace")));
    lbManual->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(lbManual, 1);
    resize(760, 560);
}

void TFManual::Abre(const QString& codigo, const QWidget* tela) {
    secao = codigo;
    if (tela && !isVisible()) {
        // To the right of the screen when there is room, else to its left.
        const QRect junto = tela->window()->frameGeometry();
        const QRect area = tela->screen()->availableGeometry();
        QPoint canto(junto.right() + 1, junto.top());
        if (canto.x() + width() > area.right())
            canto.setX(qMax(area.left(), junto.left() - width()));
        move(canto.x(), qBound(area.top(), canto.y(), qMax(area.top(), area.bottom() - height())));
    }
    show();
    raise();
    activateWindow();
    Ativa();
}

void TFManual::Ativa() {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    PintaFundo(lbManual, CorDoSlot(sis.SlotsCores, 3));
    lbManual->hide();
    lbManual->clear();
    // A missing or unreadable file is told; the list stays hidden.
    Tenta(sis.dialogos, [&] {
        const QStringList linhas = Manual::Linhas(sis);
        lbManual->addItems(linhas);
        const int inicio = Manual::InicioDaSecao(linhas, secao);
        lbManual->show();
        if (inicio >= 0) {
            lbManual->setCurrentRow(inicio);
            lbManual->scrollToItem(lbManual->item(inicio), QAbstractItemView::PositionAtTop);
        } else {
            lbManual->setCurrentRow(-1);
            lbManual->scrollToTop();
        }
    });
}

void TFManual::Liga(QWidget* tela, const QString& codigo) {
    codigos.insert(tela, codigo);
    connect(tela, &QObject::destroyed, this, [this](QObject* o) { codigos.remove(o); });
    QList<QWidget*> fundos{tela};
    Fundos(tela, fundos);
    for (QWidget* w : fundos)
        w->installEventFilter(this);
}

bool TFManual::eventFilter(QObject* alvo, QEvent* e) {
    if (e->type() != QEvent::MouseButtonPress || !alvo->isWidgetType())
        return false;
    const auto* clique = static_cast<QMouseEvent*>(e);
    // A press meant for a control comes here too when the control passes it
    // on to its container: only the widget under the point is the background.
    if (clique->button() != Qt::LeftButton ||
        static_cast<QWidget*>(alvo)->childAt(clique->position().toPoint()))
        return false;
    // The nearest bound screen or part, from the widget clicked upwards.
    for (QObject* o = alvo; o; o = o->parent()) {
        const auto c = codigos.constFind(o);
        if (c != codigos.cend()) {
            Abre(*c, static_cast<QWidget*>(o));
            return true;
        }
    }
    return false;
}
