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
        <translation>Computer keys' octave</translation>
    </message>
    <message>
        <source>A 键为 C%1</source>
        <translation>A plays C%1</translation>
    </message>
</context>
</TS>
