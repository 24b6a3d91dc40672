<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Betting</name>
    <message>
        <source>破産しました。再度ゲームを開始します</source>
        <translation>You have gone bankrupt. The game starts again.</translation>
    </message>
</context>
<context>
    <name>EnterNameForm</name>
    <message>
        <source>ﾌﾟﾚｲﾔｰ名の入力</source>
        <translation>Enter Player Name</translation>
    </message>
    <message>
        <source>名前(半角16文字以内)</source>
        <translation>Name (up to 16 characters)</translation>
    </message>
</context>
<context>
    <name>HelpForm</name>
    <message>
        <source> 遊び方は簡単！&#x3000;同じ図柄か同じ数字のカードをクリックするだけ！！</source>
        <translation> It&apos;s easy! Just click a card of the same suit or the same number!</translation>
    </message>
    <message>
        <source> 1:Betボタンで掛金を積む</source>
        <translation> 1: Stake credit with the Bet button</translation>
    </message>
    <message>
        <source> 2:Startボタンでゲーム開始</source>
        <translation> 2: Begin the game with the Start button</translation>
    </message>
    <message>
        <source> 3:規定枚数以上のカードを積むか、手札がポーカーの役と一致したら賞金が貰えるよ！</source>
        <translation> 3: Take enough cards, or make a poker hand on the table, to win a prize!</translation>
    </message>
    <message>
        <source> 4:破産しても何度でもやり直せるよ！</source>
        <translation> 4: Gone bankrupt? You can always start again!</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to Play</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>ｹﾞｰﾑ</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ｻｳﾝﾄﾞ(次回ｻﾎﾟｰﾄ)</source>
        <translation>Sound (in the next version)</translation>
    </message>
    <message>
        <source>ﾕｰｻﾞｰ情報</source>
        <translation>User Information</translation>
    </message>
    <message>
        <source>ﾗﾝｷﾝｸﾞ情報</source>
        <translation>Ranking Information</translation>
    </message>
    <message>
        <source>ﾌﾟﾚｲﾔｰ名の入力</source>
        <translation>Enter Player Name</translation>
    </message>
    <message>
        <source>英語表示 (English)</source>
        <translation>English</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to Play</translation>
    </message>
</context>
<context>
    <name>RankingForm</name>
    <message>
        <source>ﾌﾟﾚｲﾔｰ名</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>ｶｰﾄﾞ数</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>ｽｺｱ</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>情報ｳｲﾝﾄﾞｳ(ﾗﾝｷﾝｸﾞ)</source>
        <translation>Ranking Information</translation>
    </message>
    <message>
        <source>ラ ン キ ン グ  情 報</source>
        <translation>Ranking Information</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>UserInfoForm</name>
    <message>
        <source>情報ｳｲﾝﾄﾞｳ(ﾕｰｻﾞｰ)</source>
        <translation>User Information</translation>
    </message>
    <message>
        <source>ユ&#x3000;ー&#x3000;ザ&#x3000;ー&#x3000;情&#x3000;報</source>
        <translation>User Information</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ｸﾚｼﾞｯﾄ</source>
        <translation>Credit</translation>
    </message>
    <message>
        <source>破産数</source>
        <translation>Bankruptcies</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
