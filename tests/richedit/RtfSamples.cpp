#include "RtfSamples.h"

const char* const kWordPadSample =
    R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fprq2\fcharset0 Times New Roman;}}
{\colortbl ;\red255\green0\blue0;\red0\green128\blue0;}
{\*\generator Msftedit 5.41.21.2510;}\viewkind4\uc1\pard\sa200\sl276\slmult1\lang9\b\f0\fs32 Welcome\b0\fs22\par
This is \i italic\i0 , \ul underlined\ulnone  and \cf1 red\cf0  text.\par
\pard\qc\cf2\f1\fs24 Centred green Times\cf0\par
\pard\sa200\sl276\slmult1\f0\fs22 Price: 5\'80 \u8226?\par
}
)";

const char* const kWordSample =
    R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff0\deff0\stshfdbch0\stshfloch0\stshfhich0\stshfbi0\deflang1033\deflangfe1033\themelang1033
{\fonttbl{\f0\froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman{\*\falt Times};}{\f1\fswiss\fcharset0\fprq2{\*\panose 020b0604020202020204}Arial;}
{\f39\fbidi \froman\fcharset238\fprq2 Times New Roman CE;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;}
{\*\defchp \fs24 }{\*\defpap \ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 }
{\stylesheet{\ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang1033\langfe1033\cgrid\langnp1033\langfenp1033 \snext0 \sqformat \spriority0 Normal;}{\*\cs10 \additive \ssemihidden Default Paragraph Font;}}
{\*\rsidtbl \rsid1234567}{\*\generator Microsoft Word 11.0.0000;}{\info{\title Sample}{\author Somebody}{\operator Somebody}{\creatim\yr2004\mo3\dy1\hr10\min5}{\version1}{\edmins0}{\nofpages1}{\nofwords5}{\nofchars30}}
{\*\xmlnstbl {\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}
\paperw12240\paperh15840\margl1800\margr1800\margt1440\margb1440\gutter0 \widowctrl\ftnbj\aenddoc\noxlattoyen\expshrtn\noultrlspc\dntblnsbdb\nospaceforul\formshade\horzdoc\dgmargin\dghspace180\dgvspace180\dghorigin1800\dgvorigin1440\dghshow1\dgvshow1
\jexpand\viewkind1\viewscale100\pgbrdrhead\pgbrdrfoot\splytwnine\ftnlytwnine\htmautsp\nolnhtadjtbl\useltbaln\alntblind\lytcalctblwd\lyttblrtgr\lnbrkrule\nobrkwrptbl\snaptogridincell\allowfieldendsel\wrppunct\asianbrkrule\rsidroot1234567\newtblstyruls\nogrowautofit \fet0\sectd \linex0\endnhere\sectlinegrid360\sectdefaultcl\sftnbj {\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang {\pntxta .}}
{\header \pard\plain \s15\ql \li0\ri0\widctlpar\tqc\tx4320\tqr\tx8640\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang1033\langfe1033\cgrid\langnp1033\langfenp1033 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1234567 Page header\par }}
\pard\plain \ltrpar\qc \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs24\lang1033\langfe1033\cgrid\langnp1033\langfenp1033 {\rtlch\fcs1 \ab\af1\afs32 \ltrch\fcs0 \b\f1\fs32\cf2\insrsid1234567 Report Title}{\rtlch\fcs1 \af1 \ltrch\fcs0 \f1\insrsid1234567 \par }
\pard \ltrpar\ql \li720\ri360\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin360\lin720\itap0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1234567 Normal text with }{\rtlch\fcs1 \ai\af0 \ltrch\fcs0 \i\insrsid1234567 italics}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1234567 , a {\field{\*\fldinst {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1234567  HYPERLINK "http://example.com" }}{\fldrslt {\rtlch\fcs1 \af0 \ltrch\fcs0 \cs15\ul\cf2\insrsid1234567 link}}}}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1234567 , a picture }{\*\shppict{\pict{\*\picprop\shplid1025}\pngblip\picw10\pich10 89504e470d0a1a0a}}{\nonshppict{\pict\wmetafile8\picw10\pich10 0100090000}}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1234567  and \u8220\'93quotes\u8221\'94 \endash  done.}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1234567 \par }
{\*\themedata 504b030414000600080000002100828abc13fa0000001c020000130000005b436f6e}
{\*\latentstyles\lsdstimax156\lsdlockeddef0{\lsdlockedexcept Normal;heading 1;}}}
)";

const char* const kWriterSample =
    R"({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset0 Liberation Sans{\*\falt Arial};}}
{\colortbl;\red0\green0\blue0;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\fs24\lang2057 Default;}
{\s15\sbasedon0\snext16\sb240\sa120\keepn\dbch\af5\dbch\af6\afs28\loch\f4\fs28 Heading;}}
{\*\generator LibreOffice/6.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\creatim\yr2021\mo5\dy4\hr12\min0}{\revtim\yr2021\mo5\dy4\hr12\min1}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab709
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\pgdscnxt0 Default Style;}}
\formshade{\*\pgdscno0}\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\sectunlocked1\pgndec\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang2057\langfe2052\hich\af3\loch\ql\widctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang2057\dbch\af5\langfe2052{\rtlch \ltrch\loch
Stra\u223\'dfe, na\u239\'efve \u8364\'80 and \u1044\'3f\u1072\'3f}
\par \pard\plain \s0\rtlch\af6\afs24\alang1081 \ltrch\lang2057\langfe2052\hich\af3\loch\qr\widctlpar\hyphpar0\ltrpar\cf0\f3\fs24\lang2057\dbch\af5\langfe2052{\strike\cf2\rtlch \ltrch\loch
Right\tab grey\line struck}
\par }
)";

std::vector<std::string> RtfSeedCorpus() {
    return {
        kWordPadSample, kWordSample, kWriterSample,
        R"({\rtf1{\fonttbl\f0\fnil Arial;\f1\fnil Courier;}{\colortbl;\red1\green2\blue3;}\f1\fs20\cf1\b\i\ul\strike x\plain\uc2\u8364\'80\'80 y\bin3 {}\~\-\_\{\}\\\line\tab\qc\ri100\par})",
        R"({\rtf1\ansi{\field{\*\fldinst HYPERLINK "x"}{\fldrslt {\ul link}}}{\pntext\'b7\tab}{\*\pn\pnlvlblt{\pntxtb\'b7}}item\cell b\row\u-10179?\u-8704?{\v hidden}\page end})"};
}
