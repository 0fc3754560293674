// SPDX-License-Identifier: MIT
#include "scoring/card.h"
#include "platform/Cursors.h"
#include "platform/Errors.h"
#include "platform/FixedColours.h"
#include "platform/Platform.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"
#include "scoring/CardHost.h"
#include "scoring/CardLine.h"
#include "scoring/Totals.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionTitleBar>

namespace {
constexpr int RowLeft = 171;

// Styles draw a close button wherever a title bar has a window menu; a card
// keeps its menu (with Move) but cannot be closed, so the button goes.
class CardTitleStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        if (control == CC_TitleBar) {
            if (const auto *bar = qstyleoption_cast<const QStyleOptionTitleBar *>(option)) {
                QStyleOptionTitleBar copy(*bar);
                copy.subControls &= ~SC_TitleBarCloseButton;
                QProxyStyle::drawComplexControl(control, &copy, painter, widget);
                return;
            }
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl sub, const QWidget *widget) const override
    {
        if (control == CC_TitleBar && sub == SC_TitleBarCloseButton)
            return QRect();
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
};

std::optional<int> cellValue(const TCardLine *row, int column)
{
    const QString text = row->col(column);
    return text.isEmpty() ? std::nullopt : std::optional(strToInt(text));
}
} // namespace

Tw_Card::Tw_Card(CardHost *host, QWidget *parent)
    : QMdiSubWindow(parent), m_host(host), m_client(new QWidget)
{
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint);
    setWindowTitle(QStringLiteral("Score Card"));
    auto *titleStyle = new CardTitleStyle;
    titleStyle->setParent(this);
    setStyle(titleStyle);
    m_client->setObjectName(QStringLiteral("CardClient"));
    m_client->setFixedSize(ClientWidth, ClientHeight);
    m_client->setAutoFillBackground(true);
    // The card is white with black text on any desktop, and stays so while
    // it is disabled between the player's turns.
    QPalette palette = platform::lightPalette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    m_client->setPalette(palette);
    m_client->setFont(res::uiFont());

    createArtwork();
    u_1 = addRow("u_1", 1, 54, 16, 0);
    u_2 = addRow("u_2", 2, 70, 17, 1);
    u_3 = addRow("u_3", 3, 87, 17, 1);
    u_4 = addRow("u_4", 4, 104, 17, 1);
    u_5 = addRow("u_5", 5, 121, 17, 1);
    u_6 = addRow("u_6", 6, 138, 17, 1);
    u_total = addRow("u_total", 0, 155, 17, 3);
    u_bonus = addRow("u_bonus", 0, 172, 16, 3);
    l_3_kind = addRow("l_3_kind", 1, 196, 16, 0);
    l_4_kind = addRow("l_4_kind", 2, 212, 17, 1);
    l_full = addRow("l_full", 3, 229, 17, 1);
    l_small = addRow("l_small", 4, 246, 17, 1);
    l_large = addRow("l_large", 5, 263, 17, 1);
    l_quindle = addRow("l_quindle", 6, 280, 17, 1);
    l_chance = addRow("l_chance", 7, 297, 17, 1);
    l_bonus = new TCardCheckLine(m_client);
    l_bonus->setObjectName(QStringLiteral("l_bonus"));
    l_bonus->setGeometry(RowLeft, 314, 92, 17);
    l_bonus->setTopLine(1);
    l_u_total = addRow("l_u_total", 0, 331, 17, 3);
    l_l_total = addRow("l_l_total", 0, 348, 17, 3);
    l_grand = addRow("l_grand", 0, 365, 16, 3);
    ScoreLines = {u_1, u_2, u_3, u_4, u_5, u_6, l_3_kind, l_4_kind,
                  l_full, l_small, l_large, l_quindle, l_chance, l_bonus};

    const QCursor pencil = platform::screenCursor(platform::PencilCursor);
    for (TCardLine *row : ScoreLines)
        row->setCursor(pencil);
    Shape1->setCursor(pencil);
    Shape2->setCursor(pencil);
    const auto bind = [this](TCardLine *row, void (Tw_Card::*handler)(TCardLine *)) {
        connect(row, &TCardLine::clicked, this, platform::handler<TCardLine *>(
            [this, handler](TCardLine *sender) { (this->*handler)(sender); }));
    };
    for (TCardLine *row : upperRows())
        bind(row, &Tw_Card::u_1Click);
    for (TCardLine *row : {l_3_kind, l_4_kind, l_full, l_small, l_large, l_chance})
        bind(row, &Tw_Card::l_3_kindClick);
    bind(l_quindle, &Tw_Card::l_quindleClick);
    bind(l_bonus, &Tw_Card::l_quindleClick);
    for (TCardLine *row : {u_total, u_bonus, l_u_total, l_l_total, l_grand})
        row->MaxLength = 4;

    setWidget(m_client);
    // A card keeps its size: the frame around a fixed client area.
    QStyleOptionTitleBar bar;
    bar.initFrom(this);
    bar.titleBarFlags = windowFlags();
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, this);
    setFixedSize(ClientWidth + 2 * border, ClientHeight + title + border);
    trimSystemMenu();
    setEnabled(false);
}

Tw_Card::~Tw_Card()
{
    if (m_host)
        m_host->SaveCardPosition(PlayerNo);
}

TCardLine *Tw_Card::addRow(const char *name, int tag, int top, int height, int topLine)
{
    auto *row = new TCardLine(m_client);
    row->setObjectName(QLatin1String(name));
    row->Tag = tag;
    row->setGeometry(RowLeft, top, TCardLine::DefaultWidth, height);
    row->setTopLine(topLine);
    return row;
}

void Tw_Card::createArtwork()
{
    Image4 = TImage::create(m_client, "Image4", res::bitmap(res::CardTitle), {4, 4});
    Image2 = TImage::create(m_client, "Image2", res::bitmap(res::CardHeading), {4, 34});
    Image1 = TImage::create(m_client, "Image1", res::bitmap(res::CardUpper), {4, 52});
    Image3 = TImage::create(m_client, "Image3", res::bitmap(res::CardLower), {4, 194});
    Image4->setLargePicture(res::largeBitmap(res::CardTitle));
    Image2->setLargePicture(res::largeBitmap(res::CardHeading));
    Image1->setLargePicture(res::largeBitmap(res::CardUpper));
    Image3->setLargePicture(res::largeBitmap(res::CardLower));
    auto frame = [this](const char *name, int top, int height) {
        auto *shape = new TShape(m_client);
        shape->setObjectName(QLatin1String(name));
        shape->setGeometry(164, top, 101, height);
        shape->setPen(Qt::black, 2);
        return shape;
    };
    Shape1 = frame("Shape1", 52, 139);
    Shape2 = frame("Shape2", 194, 190);
}

void Tw_Card::trimSystemMenu()
{
    // The player may move a card, nothing else.
    QMenu *menu = systemMenu();
    if (!menu)
        return;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (!action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Move")))
            menu->removeAction(action);
    }
}

void Tw_Card::closeEvent(QCloseEvent *event)
{
    // A card lives until the next game is set up.
    event->ignore();
}

void Tw_Card::showCard()
{
    show();
    raise();
    if (mdiArea())
        mdiArea()->setActiveSubWindow(this);
}

std::array<TCardLine *, 6> Tw_Card::upperRows() const
{
    return {u_1, u_2, u_3, u_4, u_5, u_6};
}

bool Tw_Card::isUpper(const TCardLine *row) const
{
    const auto upper = upperRows();
    return std::find(upper.begin(), upper.end(), row) != upper.end();
}

TCardLine *Tw_Card::scoreLine(bool upper, int tag) const
{
    if (upper)
        return tag >= 1 && tag <= 6 ? ScoreLines[tag - 1] : nullptr;
    if (tag == 0)
        return l_bonus;
    return tag >= 1 && tag <= 7 ? ScoreLines[5 + tag] : nullptr;
}

int Tw_Card::ColumnFor(const TCardLine *row) const
{
    return ColumnFor(row, row->ClickColumn());
}

int Tw_Card::ColumnFor(const TCardLine *row, int wanted) const
{
    if (!TripleMode)
        return 1;
    if (!HardMode)
        return qBound(1, wanted, 3);
    if (row->Col1().isEmpty())
        return 1;
    return row->Col2().isEmpty() ? 2 : 3;
}

void Tw_Card::u_1Click(TCardLine *row)
{
    ScoreRow(row, row->ClickColumn());
}

void Tw_Card::l_3_kindClick(TCardLine *row)
{
    ScoreRow(row, row->ClickColumn());
}

void Tw_Card::l_quindleClick(TCardLine *row)
{
    ScoreRow(row, row->ClickColumn());
}

void Tw_Card::ScoreRow(TCardLine *row, int wanted)
{
    const int c = ColumnFor(row, wanted);
    if (row == l_quindle || row == l_bonus) {
        scoreQuindle(c);
        return;
    }
    if (!m_host->CanScore() || !row->col(c).isEmpty())
        return;
    const int s = m_host->ScoreRow(isUpper(row), row->Tag);
    if (s != -1)
        writeScore(row, c, s);
}

void Tw_Card::writeScore(TCardLine *row, int column, int score)
{
    row->setCol(column, QString::number(score));
    const bool upper = isUpper(row);
    if (upper)
        UpdateUpperTotals(column);
    else
        UpdateLowerTotals(column);
    EndTurn(column, row->Tag, upper);
}

void Tw_Card::scoreQuindle(int c)
{
    if (!m_host->CanScore())
        return;
    if (l_quindle->col(c).isEmpty()) {
        const int s = m_host->ScoreRow(false, l_quindle->Tag);
        if (s != -1)
            writeScore(l_quindle, c, s);
        return;
    }
    // A further five of a kind: a bonus, in a Regular game only, after a
    // scored Quindle, at most three times.
    if (TripleMode || l_quindle->col(c) != QLatin1String("50")
        || l_bonus->Col1() == QLatin1String("3"))
        return;
    if (m_host->ScoreRow(false, l_quindle->Tag) != 50)
        return;
    const QString count = l_bonus->Col1();
    l_bonus->setCol1(count.isEmpty() ? QStringLiteral("1") : QString::number(strToInt(count) + 1));
    UpdateLowerTotals(c);
    EndTurn(c, l_bonus->Tag, false);
}

totals::Column Tw_Card::cells(int column) const
{
    totals::Column result;
    for (int i = 0; i < totals::Categories; ++i)
        result.cells[i] = cellValue(ScoreLines[i], column);
    result.quindleBonuses = cellValue(l_bonus, column).value_or(0);
    return result;
}

void Tw_Card::UpdateUpperTotals(int column)
{
    const int sum = totals::upperSum(cells(column));
    if (!UpperBonusGiven[column] && totals::reachesUpperBonus(sum)) {
        UpperBonusGiven[column] = true;
        u_bonus->setCol(column, QString::number(totals::UpperBonusPoints));
        if (m_host->SoundOn() && !m_quiet)
            m_host->PlaySound(6, false);
    }
    u_total->setCol(column, QString::number(sum));
    l_u_total->setCol(column,
                      QString::number(totals::upperTotal(sum, UpperBonusGiven[column], column)));
    UpdateGrandTotal(column);
}

void Tw_Card::UpdateLowerTotals(int column)
{
    l_l_total->setCol(column, QString::number(totals::lowerTotal(cells(column))));
    UpdateGrandTotal(column);
}

void Tw_Card::UpdateGrandTotal(int column)
{
    const std::optional<int> upper = cellValue(l_u_total, column);
    const std::optional<int> lower = cellValue(l_l_total, column);
    if (upper && lower)
        l_grand->setCol(column, QString::number(totals::grandTotal(*upper, *lower, column)));
    CheckGameOver();
    if (!m_quiet)
        m_host->NextPlayer(PlayerNo);
}

bool Tw_Card::hasEmptyCell() const
{
    const int columns = TripleMode ? 3 : 1;
    for (int column = 1; column <= columns; ++column) {
        if (!totals::isComplete(cells(column)))
            return true;
    }
    return false;
}

int Tw_Card::grandTotal() const
{
    int total = strToInt(l_grand->Col1());
    if (!l_grand->Col2().isEmpty())
        total += strToInt(l_grand->Col2()) + strToInt(l_grand->Col3());
    return total;
}

void Tw_Card::CheckGameOver()
{
    if (!hasEmptyCell())
        GameOver = true;
    if (GameOver && !m_quiet)
        platform::announce(this, QStringLiteral("Player %1, your game is over.").arg(PlayerNo));
}

void Tw_Card::EndTurn(int column, int tag, bool upper)
{
    m_host->EndTurn(PlayerNo, tag, upper, column);
}

void Tw_Card::recountQuietly()
{
    m_quiet = true;
    for (int column = 1; column <= 3; ++column)
        UpdateUpperTotals(column);
    for (int column = 1; column <= 3; ++column)
        UpdateLowerTotals(column);
    m_quiet = false;
}
