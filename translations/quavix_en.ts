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
</context>
</TS>
