#include "palette/core/tagbuttons.h"

namespace {

struct TagButtonRow
{
    int row;
    const char16_t *objectName;
    const char16_t *caption;
    TagPlacement placement;
    int divisor;
};

// Rows 1-7 (the panels Panel3, Panel4, Panel5, Panel6, Panel7, Panel13, Panel14), each in left-to-right
// order.
constexpr TagButtonRow kTagButtons[] = {
    // Row 1
    {1, u"SpeedButton6", u"<HTML>", TagPlacement::Left, 15},
    {1, u"SpeedButton7", u"</HTML>", TagPlacement::Left, 15},
    {1, u"SpeedButton11", u"<HEAD>", TagPlacement::Left, 15},
    {1, u"SpeedButton10", u"</HEAD>", TagPlacement::Left, 15},
    {1, u"SpeedButton8", u"<BODY>", TagPlacement::Left, 15},
    {1, u"SpeedButton9", u"</BODY>", TagPlacement::Left, 15},
    {1, u"SpeedButton12", u"<TITLE>", TagPlacement::Left, 15},
    {1, u"SpeedButton13", u"</TITLE>", TagPlacement::Left, 15},
    {1, u"SpeedButton14", u"<P>", TagPlacement::Left, 25},
    {1, u"SpeedButton15", u"</P>", TagPlacement::Left, 24},
    {1, u"SpeedButton16", u"<BR>", TagPlacement::Left, 22},
    {1, u"SpeedButton55", u"<TABLE>", TagPlacement::Left, 15},
    {1, u"SpeedButton56", u"</TABLE>", TagPlacement::Left, 14},
    {1, u"SpeedButton57", u"<TR>", TagPlacement::Left, 22},
    {1, u"SpeedButton58", u"</TR>", TagPlacement::Left, 20},
    {1, u"SpeedButton60", u"<TD>", TagPlacement::Left, 22},
    {1, u"SpeedButton59", u"</TD>", TagPlacement::Fill, 0},
    // Row 2
    {2, u"SpeedButton38", u"<NAV>", TagPlacement::Left, 21},
    {2, u"SpeedButton39", u"</NAV>", TagPlacement::Left, 18},
    {2, u"SpeedButton36", u"<HEADER>", TagPlacement::Left, 13},
    {2, u"SpeedButton37", u"</HEADER>", TagPlacement::Left, 11},
    {2, u"SpeedButton35", u"<FOOTER>", TagPlacement::Left, 13},
    {2, u"SpeedButton42", u"</FOOTER>", TagPlacement::Left, 11},
    {2, u"SpeedButton40", u"<ARTICLE>", TagPlacement::Left, 13},
    {2, u"SpeedButton41", u"</ARTICLE>", TagPlacement::Left, 11},
    {2, u"SpeedButton43", u"<SECTION>", TagPlacement::Left, 8},
    {2, u"SpeedButton44", u"</SECTION>", TagPlacement::Left, 12},
    {2, u"SpeedButton45", u"<DIV>", TagPlacement::Left, 10},
    {2, u"SpeedButton46", u"</DIV>", TagPlacement::Fill, 0},
    // Row 3
    {3, u"SpeedButton90", u"<FORM>", TagPlacement::Left, 13},
    {3, u"SpeedButton91", u"</FORM>", TagPlacement::Left, 12},
    {3, u"SpeedButton92", u"<INPUT>", TagPlacement::Left, 12},
    {3, u"SpeedButton93", u"<TEXTAREA>", TagPlacement::Left, 10},
    {3, u"SpeedButton94", u"</TEXTAREA>", TagPlacement::Left, 8},
    {3, u"SpeedButton95", u"<SELECT>", TagPlacement::Left, 12},
    {3, u"SpeedButton96", u"</SELECT>", TagPlacement::Left, 11},
    {3, u"SpeedButton97", u"<IFRAME>", TagPlacement::Left, 12},
    {3, u"SpeedButton98", u"</IFRAME>", TagPlacement::Left, 11},
    {3, u"SpeedButton47", u"<VIDEO>", TagPlacement::Left, 14},
    {3, u"SpeedButton30", u"</VIDEO>", TagPlacement::Left, 10},
    // Row 4
    {4, u"SpeedButton104", u"<A>", TagPlacement::Fill, 0},
    {4, u"SpeedButton105", u"</A>", TagPlacement::Right, 13},
    {4, u"SpeedButton106", u"<IMG>", TagPlacement::Right, 13},
    {4, u"SpeedButton107", u"<AUDIO>", TagPlacement::Right, 11},
    {4, u"SpeedButton108", u"</AUDIO>", TagPlacement::Right, 11},
    {4, u"SpeedButton109", u"<SOURCE>", TagPlacement::Right, 11},
    {4, u"SpeedButton110", u"<UL>", TagPlacement::Right, 13},
    {4, u"SpeedButton111", u"</UL>", TagPlacement::Right, 13},
    {4, u"SpeedButton112", u"<LI>", TagPlacement::Right, 14},
    {4, u"SpeedButton113", u"</LI>", TagPlacement::Right, 14},
    {4, u"SpeedButton17", u"<OL>", TagPlacement::Right, 14},
    {4, u"SpeedButton18", u"</OL>", TagPlacement::Right, 14},
    // Row 5
    {5, u"SpeedButton62", u"<FONT>", TagPlacement::Left, 18},
    {5, u"SpeedButton61", u"</FONT>", TagPlacement::Fill, 0},
    {5, u"SpeedButton99", u"<HR>", TagPlacement::Right, 22},
    {5, u"SpeedButton20", u"<H1>", TagPlacement::Right, 22},
    {5, u"SpeedButton21", u"</H1>", TagPlacement::Right, 22},
    {5, u"SpeedButton22", u"<H2>", TagPlacement::Right, 22},
    {5, u"SpeedButton23", u"</H2>", TagPlacement::Right, 22},
    {5, u"SpeedButton24", u"<H3>", TagPlacement::Right, 22},
    {5, u"SpeedButton25", u"</H3>", TagPlacement::Right, 22},
    {5, u"SpeedButton26", u"<H4>", TagPlacement::Right, 22},
    {5, u"SpeedButton27", u"</H4>", TagPlacement::Right, 22},
    {5, u"SpeedButton28", u"<H5>", TagPlacement::Right, 22},
    {5, u"SpeedButton29", u"</H5>", TagPlacement::Right, 22},
    {5, u"SpeedButton31", u"<H6>", TagPlacement::Right, 22},
    {5, u"SpeedButton53", u"</H6>", TagPlacement::Right, 22},
    {5, u"SpeedButton54", u"<B>", TagPlacement::Right, 22},
    {5, u"SpeedButton63", u"</B>", TagPlacement::Right, 22},
    {5, u"SpeedButton49", u"<I>", TagPlacement::Right, 22},
    {5, u"SpeedButton50", u"</I>", TagPlacement::Right, 22},
    {5, u"SpeedButton48", u"<U>", TagPlacement::Right, 22},
    {5, u"SpeedButton52", u"</U>", TagPlacement::Right, 22},
    // Row 6
    {6, u"SpeedButton65", u"<TH>", TagPlacement::Left, 22},
    {6, u"SpeedButton64", u"</TH>", TagPlacement::Left, 20},
    {6, u"SpeedButton67", u"<SUP>", TagPlacement::Left, 19},
    {6, u"SpeedButton66", u"</SUP>", TagPlacement::Left, 18},
    {6, u"SpeedButton68", u"<SUB>", TagPlacement::Left, 19},
    {6, u"SpeedButton69", u"</SUB>", TagPlacement::Left, 18},
    {6, u"SpeedButton70", u"<SMALL>", TagPlacement::Left, 13},
    {6, u"SpeedButton71", u"</SMALL>", TagPlacement::Left, 12},
    {6, u"SpeedButton72", u"<MARK>", TagPlacement::Left, 13},
    {6, u"SpeedButton73", u"</MARK>", TagPlacement::Left, 12},
    {6, u"SpeedButton75", u"<DEL>", TagPlacement::Left, 21},
    {6, u"SpeedButton74", u"</DEL>", TagPlacement::Left, 19},
    {6, u"SpeedButton76", u"<INS>", TagPlacement::Left, 16},
    {6, u"SpeedButton77", u"</INS>", TagPlacement::Left, 17},
    {6, u"SpeedButton78", u"<SPAN>", TagPlacement::Left, 16},
    {6, u"SpeedButton79", u"</SPAN>", TagPlacement::Fill, 0},
    // Row 7
    {7, u"SpeedButton80", u"<STRONG>", TagPlacement::Left, 12},
    {7, u"SpeedButton81", u"</STRONG>", TagPlacement::Left, 10},
    {7, u"SpeedButton82", u"<BLOCKQUOTE>", TagPlacement::Left, 8},
    {7, u"SpeedButton83", u"</BLOCKQUOTE>", TagPlacement::Left, 7},
    {7, u"SpeedButton84", u"<PRE>", TagPlacement::Left, 14},
    {7, u"SpeedButton85", u"</PRE>", TagPlacement::Left, 12},
    {7, u"SpeedButton86", u"<ADDRESS>", TagPlacement::Left, 9},
    {7, u"SpeedButton87", u"</ADDRESS>", TagPlacement::Left, 7},
    {7, u"SpeedButton88", u"<! --", TagPlacement::Left, 15},
    {7, u"SpeedButton89", u"-->", TagPlacement::Fill, 0},
};

} // namespace

int TagButton::width(int windowOuterWidth) const
{
    return placement == TagPlacement::Fill ? -1 : windowOuterWidth / divisor;
}

const QList<TagButton> &TagButtons::all()
{
    static const QList<TagButton> buttons = [] {
        QList<TagButton> list;
        for (const TagButtonRow &b : kTagButtons)
            list.append({b.row, QString::fromUtf16(b.objectName), QString::fromUtf16(b.caption), b.placement,
                         b.divisor});
        return list;
    }();
    return buttons;
}

const TagButton *TagButtons::find(const QString &caption)
{
    for (const TagButton &button : all())
        if (button.caption == caption)
            return &button;
    return nullptr;
}

bool TagButtons::isComment(const QString &caption)
{
    return caption == u"<! --" || caption == u"-->";
}
