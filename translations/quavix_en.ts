<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Velmora</name>
    <message>
        <source>游戏开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>游戏结束</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>得分:</source>
        <translation>Score: </translation>
    </message>
    <message>
        <source>点出音符对应的琴键</source>
        <translation>Click the note&apos;s key</translation>
    </message>
    <message>
        <source>  Quavix2.0版  </source>
        <translation>  Quavix 2.0  </translation>
    </message>
    <message>
        <source>分数清零</source>
        <translation>Clear scores</translation>
    </message>
    <message>
        <source>混 合</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>低音谱</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>高音谱</source>
        <translation>Treble</translation>
    </message>
    <message>
        <source>测试  模式</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>学习  模式</source>
        <translation>Learn mode</translation>
    </message>
    <message>
        <source>  中   央        C </source>
        <translation>Mid C</translation>
    </message>
    <message>
        <source>答题太少</source>
        <translation>Too few answers</translation>
    </message>
    <message>
        <source>%1 音/分 %2%</source>
        <translation>%1 NPM %2%</translation>
    </message>
    <message>
        <source>高音谱表内 (E4–F5)</source>
        <translation>Treble staff (E4–F5)</translation>
    </message>
    <message>
        <source>高音谱加线 (C4–D6)</source>
        <translation>Treble with ledger lines (C4–D6)</translation>
    </message>
    <message>
        <source>低音谱表内 (G2–A3)</source>
        <translation>Bass staff (G2–A3)</translation>
    </message>
    <message>
        <source>低音谱加线 (E2–C4)</source>
        <translation>Bass with ledger lines (E2–C4)</translation>
    </message>
    <message>
        <source>中音谱表内 (F3–G4)</source>
        <translation>Alto staff (F3–G4)</translation>
    </message>
    <message>
        <source>当前练习设置</source>
        <translation>The current practice set</translation>
    </message>
    <message>
        <source>学习</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>一分钟测速</source>
        <translation>One-minute run</translation>
    </message>
    <message>
        <source>今日复习</source>
        <translation>Today&apos;s review</translation>
    </message>
    <message>
        <source>高音谱号</source>
        <translation>Treble clef</translation>
    </message>
    <message>
        <source>低音谱号</source>
        <translation>Bass clef</translation>
    </message>
    <message>
        <source>混合</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>中音谱号</source>
        <translation>Alto clef</translation>
    </message>
    <message>
        <source>次中音谱号</source>
        <translation>Tenor clef</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>谱号</source>
        <translation>Clef</translation>
    </message>
    <message>
        <source>音域</source>
        <translation>Note set</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>得分增减</source>
        <translation>Points gained</translation>
    </message>
    <message>
        <source>答对</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>答错</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>漏掉</source>
        <translation>Missed</translation>
    </message>
    <message>
        <source>音/分</source>
        <translation>Notes per minute</translation>
    </message>
    <message>
        <source>正确率 %</source>
        <translation>Accuracy %</translation>
    </message>
    <message>
        <source>反应时间中位数 (毫秒)</source>
        <translation>Median response (ms)</translation>
    </message>
    <message>
        <source>音</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>出现</source>
        <translation>Cards shown</translation>
    </message>
    <message>
        <source>按错</source>
        <translation>Wrong keys</translation>
    </message>
    <message>
        <source>复习盒</source>
        <translation>Review box</translation>
    </message>
</context>
<context>
    <name>quavix::BandMenu</name>
    <message>
        <source>背景音乐</source>
        <translation>Background music</translation>
    </message>
    <message>
        <source>MIDI 输入</source>
        <translation>MIDI inputs</translation>
    </message>
    <message>
        <source>未找到 MIDI 输入</source>
        <translation>No MIDI input found</translation>
    </message>
    <message>
        <source>MIDI 键盘的音也由合成器奏出</source>
        <translation>Echo MIDI notes through the synthesiser</translation>
    </message>
    <message>
        <source>电脑键盘的八度</source>
        <translation>Computer keys&apos; octave</translation>
    </message>
    <message>
        <source>A 键为 C%1</source>
        <translation>A plays C%1</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>适合屏幕</source>
        <translation>Fit to screen</translation>
    </message>
    <message>
        <source>其他程序接到 Quavix 的 MIDI</source>
        <translation>Other programs connected to Quavix</translation>
    </message>
    <message>
        <source>练习设置</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>实际音高（钢琴、小提琴、长笛、人声）</source>
        <translation>Concert pitch (piano, violin, flute, voice)</translation>
    </message>
    <message>
        <source>降 B 调：低大二度（单簧管、小号、次中音萨克斯）</source>
        <translation>B♭: a major second lower (clarinet, trumpet, tenor sax)</translation>
    </message>
    <message>
        <source>降 E 调：低大六度（中音萨克斯）</source>
        <translation>E♭: a major sixth lower (alto sax)</translation>
    </message>
    <message>
        <source>F 调：低纯五度（圆号）</source>
        <translation>F: a fifth lower (horn)</translation>
    </message>
    <message>
        <source>低八度（吉他、贝斯）</source>
        <translation>An octave lower (guitar, bass guitar)</translation>
    </message>
    <message>
        <source>乐器移调</source>
        <translation>Instrument transposition</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>听麦克风里奏出或唱出的音</source>
        <translation>Listen to notes played or sung into the microphone</translation>
    </message>
    <message>
        <source>麦克风听不到：%1</source>
        <translation>The microphone does not listen: %1</translation>
    </message>
    <message>
        <source>系统默认的录音设备</source>
        <translation>The system&apos;s default recording device</translation>
    </message>
    <message>
        <source>一分钟测速</source>
        <translation>One-minute run</translation>
    </message>
    <message>
        <source>今日复习</source>
        <translation>Today&apos;s review</translation>
    </message>
    <message>
        <source>%1（%2 个音到期）</source>
        <translation>%1 (%2 notes due)</translation>
    </message>
</context>
<context>
    <name>quavix::FluencyChart</name>
    <message>
        <source>还没有作答过的游戏</source>
        <translation>No game with answers yet</translation>
    </message>
    <message>
        <source>每天的流畅度</source>
        <translation>Fluency per day</translation>
    </message>
    <message>
        <source>音/分</source>
        <translation>Notes per minute</translation>
    </message>
    <message>
        <source>正确率 %</source>
        <translation>Accuracy %</translation>
    </message>
</context>
<context>
    <name>quavix::HeatMapWidget</name>
    <message>
        <source>%1：此谱号不出现这个音</source>
        <translation>%1: this clef never shows this note</translation>
    </message>
    <message>
        <source>%1：还没有出现过</source>
        <translation>%1: not shown yet</translation>
    </message>
    <message>
        <source>
正确率 %1%</source>
        <translation>
Accuracy %1%</translation>
    </message>
    <message>
        <source>
答对平均用时 %1 秒</source>
        <translation>
Average time of right answers: %1 s</translation>
    </message>
    <message>
        <source>正确率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>没有出现或没有作答</source>
        <translation>Not shown or not answered</translation>
    </message>
    <message>
        <source>%1：出现 %2 张 = 答对 %3 + 漏掉 %4</source>
        <translation>%1: %2 cards = %3 right + %4 missed</translation>
    </message>
    <message>
        <source> + 未完 %1</source>
        <translation> + %1 unfinished</translation>
    </message>
    <message>
        <source>
另按错 %1 次</source>
        <translation>
wrong keys besides: %1</translation>
    </message>
    <message>
        <source>
最近答对用时中位数 %1 秒</source>
        <translation>
median time of recent right answers: %1 s</translation>
    </message>
    <message>
        <source>用时</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>≥4 秒</source>
        <translation>≥4 s</translation>
    </message>
    <message>
        <source>≤0.5 秒</source>
        <translation>≤0.5 s</translation>
    </message>
    <message>
        <source>还没有答对的用时</source>
        <translation>no right answer timed yet</translation>
    </message>
    <message>
        <source>2¼ 秒</source>
        <translation>2¼ s</translation>
    </message>
</context>
<context>
    <name>quavix::PracticeDialog</name>
    <message>
        <source>高音谱</source>
        <translation>Treble</translation>
    </message>
    <message>
        <source>低音谱</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>中音谱</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>次中音谱</source>
        <translation>Tenor</translation>
    </message>
    <message>
        <source>练习设置</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>音域与谱号</source>
        <translation>Ranges and clefs</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>混合时出现</source>
        <translation>In Mixed</translation>
    </message>
    <message>
        <source>升降号</source>
        <translation>Accidentals</translation>
    </message>
    <message>
        <source>只有自然音</source>
        <translation>Natural notes only</translation>
    </message>
    <message>
        <source>音符前的升号和降号</source>
        <translation>Sharps and flats before the notes</translation>
    </message>
    <message>
        <source>十五个调号</source>
        <translation>The fifteen key signatures</translation>
    </message>
    <message>
        <source>%1的最低音高于最高音。</source>
        <translation>%1: the lowest note is above the highest.</translation>
    </message>
    <message>
        <source>混合至少要有一个谱号。</source>
        <translation>Mixed needs at least one clef.</translation>
    </message>
    <message>
        <source>谱号、音域和升降号从下一局开始生效。</source>
        <translation>Clefs, ranges and accidentals apply from the next game.</translation>
    </message>
    <message>
        <source>音名</source>
        <translation>Note names</translation>
    </message>
    <message>
        <source>字母：C D E F G A B</source>
        <translation>Letters: C D E F G A B</translation>
    </message>
    <message>
        <source>唱名：Do Re Mi Fa Sol La Si</source>
        <translation>Solfege: Do Re Mi Fa Sol La Si</translation>
    </message>
    <message>
        <source>德式：C D E F G A H</source>
        <translation>German: C D E F G A H</translation>
    </message>
    <message>
        <source>简谱：1 2 3 4 5 6 7</source>
        <translation>Numbers: 1 2 3 4 5 6 7</translation>
    </message>
    <message>
        <source>在变红的键上写出音名</source>
        <translation>Write the name on the key that turns red</translation>
    </message>
    <message>
        <source>调号至少要选一个。</source>
        <translation>Choose at least one key signature.</translation>
    </message>
    <message>
        <source>按窗口的谱号选项</source>
        <translation>As the window's clef option</translation>
    </message>
    <message>
        <source>只用中音谱</source>
        <translation>Alto clef only</translation>
    </message>
    <message>
        <source>只用次中音谱</source>
        <translation>Tenor clef only</translation>
    </message>
    <message>
        <source>初学者帮助</source>
        <translation>Helps for beginners</translation>
    </message>
    <message>
        <source>在琴键上写出音名</source>
        <translation>Note names on the piano's keys</translation>
    </message>
    <message>
        <source>在琴键上写出电脑键盘的字母</source>
        <translation>The computer keys' letters on the piano's keys</translation>
    </message>
    <message>
        <source>漏掉的音符：答案键变红并读出音名</source>
        <translation>A missed card: its answer key turns red and its name is said</translation>
    </message>
    <message>
        <source>测试时在得分后显示剩余时间</source>
        <translation>In a test, the time left after the score</translation>
    </message>
    <message>
        <source>分数清零前先询问</source>
        <translation>Ask before clearing the scores</translation>
    </message>
</context>
<context>
    <name>quavix::PracticeSummary</name>
    <message>
        <source>%1 音/分，正确率 %2%</source>
        <translation>%1 NPM, %2% right</translation>
    </message>
    <message>
        <source> 分钟</source>
        <translation> min</translation>
    </message>
    <message>
        <source>每日目标</source>
        <translation>Daily goal</translation>
    </message>
    <message>
        <source>今日复习：%1 个音到期&#x3000;&#x3000;复习盒 1–5：%2 / %3 / %4 / %5 / %6</source>
        <translation>Today&apos;s review: %1 notes due    Boxes 1–5: %2 / %3 / %4 / %5 / %6</translation>
    </message>
    <message>
        <source>一</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>三</source>
        <translation>We</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>连续达标 %1 天&#x3000;&#x3000;本周：%2</source>
        <translation>Streak: %1 days    This week: %2</translation>
    </message>
    <message>
        <source>一分钟测速的最好成绩：还没有 15 次以上作答的测速</source>
        <translation>Best one-minute runs: none with 15 answers or more yet</translation>
    </message>
    <message>
        <source>一分钟测速的最好成绩：%1</source>
        <translation>Best one-minute runs: %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>quavix::ScoreHistoryChart</name>
    <message>
        <source>高音谱号</source>
        <translation>treble clef</translation>
    </message>
    <message>
        <source>低音谱号</source>
        <translation>bass clef</translation>
    </message>
    <message>
        <source>混合</source>
        <translation>mixed</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>test</translation>
    </message>
    <message>
        <source>学习</source>
        <translation>learning</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>得分</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>一分钟测速</source>
        <translation>One-minute run</translation>
    </message>
    <message>
        <source>今日复习</source>
        <translation>Today&apos;s review</translation>
    </message>
    <message>
        <source>还没有作答过的游戏</source>
        <translation>No game with answers yet</translation>
    </message>
    <message>
        <source>每局得分增减</source>
        <translation>Points each game gained</translation>
    </message>
    <message>
        <source>%1
%2 分</source>
        <translation>%1
%2 points</translation>
    </message>
    <message>
        <source>，%1 音/分，正确率 %2%</source>
        <translation>, %1 NPM, %2% right</translation>
    </message>
</context>
<context>
    <name>quavix::StatisticsWindow</name>
    <message>
        <source>统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>高音谱号</source>
        <translation>treble clef</translation>
    </message>
    <message>
        <source>低音谱号</source>
        <translation>bass clef</translation>
    </message>
    <message>
        <source>最常混淆</source>
        <translation>Most confused</translation>
    </message>
    <message>
        <source>次数</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>清除统计</source>
        <translation>Clear statistics</translation>
    </message>
    <message>
        <source>统计文件无法读取或来自更新的版本，本次不记录。</source>
        <translation>The statistics file cannot be read or is from a newer version; nothing is recorded this run.</translation>
    </message>
    <message>
        <source>清除所有音符的统计和得分历史？分数不受影响，清除后无法恢复。</source>
        <translation>Clear all note statistics and the score history? Scores are not affected; this cannot be undone.</translation>
    </message>
    <message>
        <source>中音谱号</source>
        <translation>Alto clef</translation>
    </message>
    <message>
        <source>次中音谱号</source>
        <translation>Tenor clef</translation>
    </message>
    <message>
        <source>按正确率着色</source>
        <translation>Colour by accuracy</translation>
    </message>
    <message>
        <source>按反应时间着色</source>
        <translation>Colour by response time</translation>
    </message>
    <message>
        <source>每天的流畅度</source>
        <translation>Fluency per day</translation>
    </message>
    <message>
        <source>每局得分</source>
        <translation>Points per game</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>导出 CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>已导出到 %1 和 %2</source>
        <translation>Exported to %1 and %2</translation>
    </message>
</context>
<context>
    <name>quavix::VelmoraWindow</name>
    <message>
        <source>所有分数都将清零，确定吗？</source>
        <translation>Clear all the scores?</translation>
    </message>
    <message>
        <source>右键单击黑色横条可打开设置</source>
        <translation>Right-click the black band for the settings</translation>
    </message>
</context>
</TS>
