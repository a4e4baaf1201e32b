<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DocumentLifecycle</name>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>無線機</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>%1 memory channel</source>
        <translation>メモリーチャンネル %1 件</translation>
    </message>
    <message>
        <source>%1 memory channels</source>
        <translation>メモリーチャンネル %1 件</translation>
    </message>
    <message>
        <source>%1 VFO</source>
        <translation>VFO %1 件</translation>
    </message>
    <message>
        <source>%1 VFOs</source>
        <translation>VFO %1 件</translation>
    </message>
    <message>
        <source>%1 CALL channel</source>
        <translation>CALLチャンネル %1 件</translation>
    </message>
    <message>
        <source>%1 CALL channels</source>
        <translation>CALLチャンネル %1 件</translation>
    </message>
    <message>
        <source>%1 DTMF memory</source>
        <translation>DTMFメモリー %1 件</translation>
    </message>
    <message>
        <source>%1 DTMF memories</source>
        <translation>DTMFメモリー %1 件</translation>
    </message>
    <message>
        <source>%1 program VFO</source>
        <translation>プログラムVFO %1 件</translation>
    </message>
    <message>
        <source>%1 program VFOs</source>
        <translation>プログラムVFO %1 件</translation>
    </message>
    <message>
        <source>%1 menu value</source>
        <translation>メニュー設定 %1 件</translation>
    </message>
    <message>
        <source>%1 menu values</source>
        <translation>メニュー設定 %1 件</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Memory read</source>
        <translation>メモリーの読み込み</translation>
    </message>
    <message>
        <source>Menu read</source>
        <translation>メニューの読み込み</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Replaced</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Pending write</source>
        <translation>未完了の書き込み</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>破損</translation>
    </message>
    <message>
        <source>No earlier state</source>
        <translation>以前の状態なし</translation>
    </message>
    <message>
        <source>No change</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>in entry %1</source>
        <translation>項目 %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compared with what the radio held after the read of %1.</source>
        <translation>%1 の読み込み後の無線機の内容と比較しました。</translation>
    </message>
    <message>
        <source>Compared with what the radio held after the write of %1.</source>
        <translation>%1 の書き込み後の無線機の内容と比較しました。</translation>
    </message>
    <message>
        <source>Compared with what the write of %1 was to leave; that write may not have ended, so what it wrote is checked first.</source>
        <translation>%1 の書き込みで残るはずだった内容と比較しました。その書き込みは終わっていない可能性があるため、書き込んだ内容を先に確認します。</translation>
    </message>
    <message>
        <source>Compared with %1.</source>
        <translation>%1 と比較しました。</translation>
    </message>
    <message>
        <source>Nothing has changed since the last read or write of this radio (%1); nothing was sent.</source>
        <translation>この無線機の前回の読み込みまたは書き込み (%1) 以降、変更はありません。何も送信していません。</translation>
    </message>
    <message>
        <source>Nothing differs from %1; nothing was sent.</source>
        <translation>%1 との違いはありません。何も送信していません。</translation>
    </message>
    <message>
        <source>The newest backup of this radio cannot be read: %1</source>
        <translation>この無線機の最新のバックアップを読み込めません: %1</translation>
    </message>
    <message>
        <source>The newest backup of this radio is dated later than now (%1; is the computer&apos;s clock right?): %2.</source>
        <translation>この無線機の最新のバックアップの日時が現在より後になっています (%1。パソコンの時計は正しいですか?): %2。</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: what it is to hold could not be kept first: %1.</source>
        <translation>無線機には何も書き込んでいません。書き込む内容を先に保存できませんでした: %1。</translation>
    </message>
    <message>
        <source>The radio was written, but what it now holds could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>無線機に書き込みましたが、現在の内容を保存できませんでした: %1。次に変更を書き込む前に、一度無線機を読み込んでください。</translation>
    </message>
    <message>
        <source>The write did not end, and what it was to leave could not be kept: %1. Read the radio once before the next write of changes.</source>
        <translation>書き込みが終わらず、残るはずの内容も保存できませんでした: %1。次に変更を書き込む前に、一度無線機を読み込んでください。</translation>
    </message>
    <message>
        <source>Write %1 changed item to the radio?</source>
        <translation>変更された %1 件を無線機に書き込みますか?</translation>
    </message>
    <message>
        <source>Write %1 changed items to the radio?</source>
        <translation>変更された %1 件を無線機に書き込みますか?</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 item differs from what it holds now.</source>
        <translation>無線機を %1 の状態に戻しますか? 現在の内容と %2 件が異なります。</translation>
    </message>
    <message>
        <source>Restore the radio to its state of %1? %2 items differ from what it holds now.</source>
        <translation>無線機を %1 の状態に戻しますか? 現在の内容と %2 件が異なります。</translation>
    </message>
    <message>
        <source>The radio already holds its state of %1; nothing was sent.</source>
        <translation>無線機はすでに %1 の状態です。何も送信していません。</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>ファイルを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>データが変更されています。
変更を保存しますか?</translation>
    </message>
    <message>
        <source>The data read could not be kept as a backup.</source>
        <translation>読み込んだデータをバックアップとして保存できませんでした。</translation>
    </message>
    <message>
        <source>The data written could not be kept as a backup.</source>
        <translation>書き込んだデータをバックアップとして保存できませんでした。</translation>
    </message>
    <message>
        <source>The data replaced could not be kept as a backup.</source>
        <translation>置き換えたデータをバックアップとして保存できませんでした。</translation>
    </message>
    <message>
        <source>The user guide could not be read.</source>
        <translation>ユーザーガイドを読み込めませんでした。</translation>
    </message>
    <message>
        <source>The language chosen is used when Quorvan is started again.</source>
        <translation>選んだ言語は Quorvan の次回起動時から使われます。</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation>COMポートが無効です。
確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation>COMポートが無効です。
COMポートの状態を確認してください。</translation>
    </message>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation>無線機が無効です。
確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>通信タイムアウトエラーです。</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>データを無線機に書き込みますか?</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known</source>
        <translation>この無線機の以前の読み込みまたは書き込みの記録がありません</translation>
    </message>
    <message>
        <source>The radio holds this document.</source>
        <translation>無線機の内容はこの文書と同じです。</translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation>無線機の内容は書き込んだ内容と同じです。</translation>
    </message>
    <message>
        <source>The radio does not hold this document:</source>
        <translation>無線機の内容はこの文書と異なります:</translation>
    </message>
    <message>
        <source>The radio does not hold what was written:</source>
        <translation>無線機の内容は書き込んだ内容と異なります:</translation>
    </message>
    <message>
        <source>The radio was changed since it was last read or written:</source>
        <translation>前回の読み込みまたは書き込みの後で無線機が変更されています:</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>無線機には何も書き込んでいません。</translation>
    </message>
    <message>
        <source>in the file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>in the document</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>in the radio</source>
        <translation>無線機</translation>
    </message>
    <message>
        <source>at the last read or write</source>
        <translation>前回の読み込みまたは書き込み時</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once.</source>
        <translation>何も送信していません。一度無線機を読み込んでください。</translation>
    </message>
    <message>
        <source>Nothing was sent. Read the radio once, or give --since.</source>
        <translation>何も送信していません。一度無線機を読み込むか、--since を指定してください。</translation>
    </message>
    <message>
        <source>The write did not end; the next write of changes completes it.</source>
        <translation>書き込みが終わっていません。次の変更の書き込みで完了します。</translation>
    </message>
    <message>
        <source>The next write of changes writes again what the radio did not take.</source>
        <translation>次の変更の書き込みで、無線機が受け付けなかった内容をもう一度書き込みます。</translation>
    </message>
    <message>
        <source>Complete the write that did not end?</source>
        <translation>終わっていない書き込みを完了しますか?</translation>
    </message>
    <message>
        <source>This backup is damaged and cannot be used.</source>
        <translation>このバックアップは壊れているため使えません。</translation>
    </message>
    <message>
        <source>The pin of this backup could not be changed.</source>
        <translation>このバックアップの固定を変更できませんでした。</translation>
    </message>
    <message>
        <source>These two backups hold no part of the radio in common: nothing to compare.</source>
        <translation>この二つのバックアップには共通する部分がないため、比較できません。</translation>
    </message>
    <message>
        <source>Invalid function.</source>
        <translation>無効な機能です。</translation>
    </message>
    <message>
        <source>Not found.</source>
        <translation>見つかりません。</translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>周波数が無効です。
確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>オフセットが無効です。
確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>周波数を丸めました。</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>内容が変更されています。
変更しますか?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <translation>内容が変更されています。
変更しますか? </translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>チャンネル番号が無効です。
確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>無効な文字です。
確認してもう一度お試しください。</translation>
    </message>
    <message>
        <source>The last memory channel is in use.</source>
        <translation>最後のメモリーチャンネルが使用中です。</translation>
    </message>
    <message>
        <source>These rows were not pasted:</source>
        <translation>次の行は貼り付けませんでした:</translation>
    </message>
    <message>
        <source>These rows were adjusted or skipped:</source>
        <translation>次の行は調整またはスキップしました:</translation>
    </message>
    <message>
        <source>There is no default printer.</source>
        <translation>通常使うプリンターがありません。</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>プリンターを開始できませんでした。</translation>
    </message>
    <message>
        <source>Edit (%1 rows)</source>
        <translation>編集 (%1 行)</translation>
    </message>
    <message>
        <source>Cut (%1 rows)</source>
        <translation>切り取り (%1 行)</translation>
    </message>
    <message>
        <source>Paste into (%1 rows)</source>
        <translation>貼り付け (%1 行)</translation>
    </message>
    <message>
        <source>Delete (%1 rows)</source>
        <translation>削除 (%1 行)</translation>
    </message>
    <message>
        <source>Import CSV (%1 row)</source>
        <translation>CSVのインポート (%1 行)</translation>
    </message>
    <message>
        <source>Import CSV (%1 rows)</source>
        <translation>CSVのインポート (%1 行)</translation>
    </message>
    <message>
        <source>Change Selected (%1 rows)</source>
        <translation>選択したチャンネルの変更 (%1 行)</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 の切り取り</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>%1 への貼り付け</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 の削除</translation>
    </message>
    <message>
        <source>Tx Frequency : %1MHz</source>
        <translation>送信周波数 : %1MHz</translation>
    </message>
    <message>
        <source>Offset : %1MHz</source>
        <translation>オフセット : %1MHz</translation>
    </message>
    <message>
        <source>Programmable VFO : %1-%2</source>
        <translation>プログラムVFO : %1-%2</translation>
    </message>
    <message>
        <source>Name : %1</source>
        <translation>名前 : %1</translation>
    </message>
    <message>
        <source>Sort by Frequency</source>
        <translation>周波数で並べ替え</translation>
    </message>
    <message>
        <source>Sort by Memory Name</source>
        <translation>メモリーネームで並べ替え</translation>
    </message>
    <message>
        <source> ch.</source>
        <translation> ch.</translation>
    </message>
    <message>
        <source> Rx(Tx) Freq.</source>
        <translation> 受信(送信)周波数</translation>
    </message>
    <message>
        <source> Name</source>
        <translation> 名前</translation>
    </message>
    <message>
        <source> Band</source>
        <translation> バンド</translation>
    </message>
    <message>
        <source> Freq.</source>
        <translation> 周波数</translation>
    </message>
    <message>
        <source> No.</source>
        <translation> No.</translation>
    </message>
    <message>
        <source> DTMF Code</source>
        <translation> DTMFコード</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset/Tx</source>
        <translation>オフセット/送信</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: read the radio once.</source>
        <translation>この無線機の以前の読み込みまたは書き込みの記録がありません。一度無線機を読み込んでください。</translation>
    </message>
    <message>
        <source>No earlier read or write of this radio is known: write everything once.</source>
        <translation>この無線機の以前の読み込みまたは書き込みの記録がありません。一度すべてを書き込んでください。</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>440MHz帯</translation>
    </message>
    <message>
        <source>430MHz Band</source>
        <translation>430MHz帯</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>220MHz帯</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>-7.6MHzシフト</translation>
    </message>
    <message>
        <source>-6MHz Shift</source>
        <translation>-6MHzシフト</translation>
    </message>
    <message>
        <source>-20MHz Shift</source>
        <translation>-20MHzシフト</translation>
    </message>
    <message>
        <source>-6.0MHz Shift</source>
        <translation>-6.0MHzシフト</translation>
    </message>
    <message>
        <source>-20.0MHz Shift</source>
        <translation>-20.0MHzシフト</translation>
    </message>
    <message>
        <source>ARVENA (U.S.A./Canada)</source>
        <translation>ARVENA (アメリカ/カナダ)</translation>
    </message>
    <message>
        <source>BELTOE (Europe)</source>
        <translation>BELTOE (ヨーロッパ)</translation>
    </message>
    <message>
        <source>BELTO (Japan)</source>
        <translation>BELTO (日本)</translation>
    </message>
    <message>
        <source>BELTOA (General market)</source>
        <translation>BELTOA (一般市場)</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 item.</source>
        <translation>文書は無線機の内容と %1 件異なります。</translation>
    </message>
    <message>
        <source>The document differs from what the radio held in %1 items.</source>
        <translation>文書は無線機の内容と %1 件異なります。</translation>
    </message>
    <message>
        <source>The radio may not hold %1 item of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>無線機は文書の %1 件を保持していない可能性があります。
次の変更の書き込みで送信されます。それでもライブモードを終了しますか?</translation>
    </message>
    <message>
        <source>The radio may not hold %1 items of the document.
The next write of changes sends them. Leave live mode anyway?</source>
        <translation>無線機は文書の %1 件を保持していない可能性があります。
次の変更の書き込みで送信されます。それでもライブモードを終了しますか?</translation>
    </message>
    <message>
        <source>Live mode keeps the radio equal to this document.</source>
        <translation>ライブモードでは無線機をこの文書と同じ内容に保ちます。</translation>
    </message>
    <message>
        <source>What this radio holds is not known: read it first.</source>
        <translation>この無線機の内容は不明です。先に読み込んでください。</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 は開いた後に別のプログラムによって変更されました。</translation>
    </message>
    <message>
        <source>Incomplete read: %1 item was not read from the radio.</source>
        <translation>読み込み未完了: %1 件の項目を無線機から読み込んでいません。</translation>
    </message>
    <message>
        <source>Incomplete read: %1 items were not read from the radio.</source>
        <translation>読み込み未完了: %1 件の項目を無線機から読み込んでいません。</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 item was not read from the radio. Write anyway?</source>
        <translation>この文書には完了しなかった読み込みが含まれています: %1 件の項目を無線機から読み込んでいません。それでも書き込みますか?</translation>
    </message>
    <message>
        <source>This document holds a read that did not finish: %1 items were not read from the radio. Write anyway?</source>
        <translation>この文書には完了しなかった読み込みが含まれています: %1 件の項目を無線機から読み込んでいません。それでも書き込みますか?</translation>
    </message>
    <message>
        <source>Quorvan was closed without saving changes to %1 (%2).
Restore them?</source>
        <translation>Quorvan は %1 の変更を保存せずに終了しました (%2)。
復元しますか?</translation>
    </message>
    <message>
        <source>%1 is not on the %2 step; left at %3</source>
        <translation>%1 は %2 ステップ上にありません。%3 のままにしました</translation>
    </message>
    <message>
        <source>File &gt; Export PDF... writes the same pages to a PDF file without a printer.</source>
        <translation>ファイル &gt; PDFのエクスポート... でプリンターがなくても同じページを PDF ファイルに書き出せます。</translation>
    </message>
    <message>
        <source>Read cancelled after %1 of %2 steps; the document holds what was read.</source>
        <translation>%2 ステップ中 %1 ステップで読み込みを中止しました。文書には読み込んだ分が入っています。</translation>
    </message>
    <message>
        <source>Read failed after %1 of %2 steps; the document holds what was read.</source>
        <translation>%2 ステップ中 %1 ステップで読み込みに失敗しました。文書には読み込んだ分が入っています。</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL, DTMF and menu in %2.</source>
        <translation>%1 件のメモリーチャンネル、VFO、CALL、DTMF、メニューを %2 で読み込みました。</translation>
    </message>
    <message>
        <source>Read %1 memory channels, VFOs, CALL and DTMF in %2.</source>
        <translation>%1 件のメモリーチャンネル、VFO、CALL、DTMF を %2 で読み込みました。</translation>
    </message>
    <message>
        <source>Read the menu in %1.</source>
        <translation>メニューを %1 で読み込みました。</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2; the radio holds it.</source>
        <translation>変更した %1 件の項目を %2 で書き込みました。無線機はこの内容を保持しています。</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2; the radio holds them.</source>
        <translation>変更した %1 件の項目を %2 で書き込みました。無線機はこの内容を保持しています。</translation>
    </message>
    <message>
        <source>Wrote %1 changed item in %2.</source>
        <translation>変更した %1 件の項目を %2 で書き込みました。</translation>
    </message>
    <message>
        <source>Wrote %1 changed items in %2.</source>
        <translation>変更した %1 件の項目を %2 で書き込みました。</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1; the radio holds them.</source>
        <translation>メモリーチャンネル、VFO、CALL、DTMF、メニューを %1 で書き込みました。無線機はこの内容を保持しています。</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL, DTMF and menu in %1.</source>
        <translation>メモリーチャンネル、VFO、CALL、DTMF、メニューを %1 で書き込みました。</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1; the radio holds them.</source>
        <translation>メモリーチャンネル、VFO、CALL、DTMF を %1 で書き込みました。無線機はこの内容を保持しています。</translation>
    </message>
    <message>
        <source>Wrote memory channels, VFOs, CALL and DTMF in %1.</source>
        <translation>メモリーチャンネル、VFO、CALL、DTMF を %1 で書き込みました。</translation>
    </message>
    <message>
        <source>Wrote the menu in %1; the radio holds them.</source>
        <translation>メニューを %1 で書き込みました。無線機はこの内容を保持しています。</translation>
    </message>
    <message>
        <source>Wrote the menu in %1.</source>
        <translation>メニューを %1 で書き込みました。</translation>
    </message>
    <message>
        <source>Verified in %1: the radio holds this document.</source>
        <translation>%1 で照合しました: 無線機はこの文書と同じ内容です。</translation>
    </message>
    <message>
        <source>Verified in %1: %2 field differs from this document.</source>
        <translation>%1 で照合しました: %2 件の項目がこの文書と異なります。</translation>
    </message>
    <message>
        <source>Verified in %1: %2 fields differ from this document.</source>
        <translation>%1 で照合しました: %2 件の項目がこの文書と異なります。</translation>
    </message>
    <message>
        <source>Exported %1 channel to %2.</source>
        <translation>%1 件のチャンネルを %2 にエクスポートしました。</translation>
    </message>
    <message>
        <source>Exported %1 channels to %2.</source>
        <translation>%1 件のチャンネルを %2 にエクスポートしました。</translation>
    </message>
    <message>
        <source>Export failed: %1 was not written.</source>
        <translation>エクスポートに失敗しました: %1 を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Import failed: %1 is not a channel list.</source>
        <translation>インポートに失敗しました: %1 はチャンネルリストではありません。</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>%1 からは何もインポートしませんでした。</translation>
    </message>
    <message>
        <source>Imported %1 channel from %2.</source>
        <translation>%2 から %1 件のチャンネルをインポートしました。</translation>
    </message>
    <message>
        <source>Imported %1 channels from %2.</source>
        <translation>%2 から %1 件のチャンネルをインポートしました。</translation>
    </message>
    <message>
        <source>Import failed: %1 could not be read.</source>
        <translation>インポートに失敗しました: %1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Nothing was written: the write&apos;s journal could not be kept.</source>
        <translation>何も書き込んでいません: 書き込みの記録を保存できませんでした。</translation>
    </message>
    <message>
        <source>Nothing was written: the radio changed since it was last read.</source>
        <translation>何も書き込んでいません: 前回の読み込み以降に無線機が変更されています。</translation>
    </message>
    <message>
        <source>Write cancelled; the radio may hold part of it.</source>
        <translation>書き込みを中止しました。無線機には一部だけが書き込まれている可能性があります。</translation>
    </message>
    <message>
        <source>Write failed; the radio may hold part of it.</source>
        <translation>書き込みに失敗しました。無線機には一部だけが書き込まれている可能性があります。</translation>
    </message>
    <message>
        <source>Nothing needed writing; the radio holds it.</source>
        <translation>書き込む必要はありませんでした。無線機は既にこの内容を保持しています。</translation>
    </message>
    <message>
        <source>Verify cancelled.</source>
        <translation>照合を中止しました。</translation>
    </message>
    <message>
        <source>Verify failed; nothing was compared.</source>
        <translation>照合に失敗しました。何も比較していません。</translation>
    </message>
    <message>
        <source>Checking %1 item</source>
        <translation>%1 件を確認中</translation>
    </message>
    <message>
        <source>Checking %1 items</source>
        <translation>%1 件を確認中</translation>
    </message>
    <message>
        <source>Reading back %1 item</source>
        <translation>%1 件を読み戻し中</translation>
    </message>
    <message>
        <source>Reading back %1 items</source>
        <translation>%1 件を読み戻し中</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2, about %3 left</source>
        <translation>%1 / %2、残り約 %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 / %3</translation>
    </message>
    <message>
        <source>%1: %2 of %3, about %4 left</source>
        <translation>%1: %2 / %3、残り約 %4</translation>
    </message>
    <message>
        <source>Band lists</source>
        <translation>バンドリスト</translation>
    </message>
    <message>
        <source>Writing: Band lists</source>
        <translation>書き込み中: バンドリスト</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Writing: Memory channels</source>
        <translation>書き込み中: メモリーチャンネル</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>CALLチャンネル</translation>
    </message>
    <message>
        <source>Writing: CALL channels</source>
        <translation>書き込み中: CALLチャンネル</translation>
    </message>
    <message>
        <source>VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Writing: VFOs</source>
        <translation>書き込み中: VFO</translation>
    </message>
    <message>
        <source>Programmable VFOs</source>
        <translation>プログラムVFO</translation>
    </message>
    <message>
        <source>Writing: Programmable VFOs</source>
        <translation>書き込み中: プログラムVFO</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>Writing: DTMF memories</source>
        <translation>書き込み中: DTMFメモリー</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Writing: Menu</source>
        <translation>書き込み中: メニュー</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>書き込み中</translation>
    </message>
    <message>
        <source>d MMM yyyy HH:mm</source>
        <comment>the form of a time in a message: d day, MM month, yyyy year, HH:mm hours and minutes</comment>
        <translation>yyyy/MM/dd HH:mm</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <translation>%1.%2 秒</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>something answered, but not as a radio of this family</source>
        <translation>応答がありましたが、このシリーズの無線機ではありません</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>使用中: 別のプログラムが使っています</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>権限がありません</translation>
    </message>
    <message>
        <source>does not exist</source>
        <translation>存在しません</translation>
    </message>
    <message>
        <source>cannot be opened as a serial port</source>
        <translation>シリアルポートとして開けません</translation>
    </message>
    <message>
        <source>the line failed</source>
        <translation>回線に障害が発生しました</translation>
    </message>
    <message>
        <source>You have no permission to use %1.</source>
        <translation>%1 を使う権限がありません。</translation>
    </message>
    <message>
        <source>You are a member of the group &quot;%1&quot; that may use it, but not yet in this session.</source>
        <translation>使用できるグループ「%1」のメンバーですが、このセッションにはまだ反映されていません。</translation>
    </message>
    <message>
        <source>It may be used by the members of the group &quot;%1&quot;. To join it, run</source>
        <translation>グループ「%1」のメンバーが使用できます。グループに参加するには、次を実行します:</translation>
    </message>
    <message>
        <source>%1 does not exist; no serial adapter is plugged in.</source>
        <translation>%1 は存在しません。シリアルアダプターが接続されていません。</translation>
    </message>
    <message>
        <source>%1 does not exist; plugged adapters: %2.</source>
        <translation>%1 は存在しません。接続されているアダプター: %2。</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a serial port.</source>
        <translation>%1 はシリアルポートとして開けません。</translation>
    </message>
    <message>
        <source>Check that the radio is on and not showing one of its menus, that the cable is seated at both ends and that %1 is the cable&apos;s port.</source>
        <translation>無線機の電源が入っていてメニューを表示していないこと、ケーブルが両端でしっかり接続されていること、%1 がケーブルのポートであることを確認してください。</translation>
    </message>
    <message>
        <source>The line to %1 failed during the transfer; check that the cable is seated and its adapter still plugged in.</source>
        <translation>転送中に %1 との回線に障害が発生しました。ケーブルがしっかり接続され、アダプターが差し込まれたままであることを確認してください。</translation>
    </message>
    <message>
        <source>The radio did not accept 1 command.
The first was &quot;%1&quot;.
Please check the radio and try again.</source>
        <translation>無線機は 1 件のコマンドを受け付けませんでした。
そのコマンドは「%1」です。
無線機を確認して、もう一度試してください。</translation>
    </message>
    <message>
        <source>The radio did not accept %1 commands.
The first was &quot;%2&quot;.
Please check the radio and try again.</source>
        <translation>無線機は %1 件のコマンドを受け付けませんでした。
最初のコマンドは「%2」です。
無線機を確認して、もう一度試してください。</translation>
    </message>
    <message>
        <source>No complete answer within %1 seconds.</source>
        <translation>%1 秒以内に完全な応答がありませんでした。</translation>
    </message>
    <message>
        <source>The adapter is %1: Prolific&apos;s Windows drivers since 2012 refuse the PL2303HXA and PL2303XA chips they no longer support, and counterfeit PL2303 chips; Device Manager then shows the adapter with a warning sign and nothing goes through it.</source>
        <translation>アダプターは %1 です: Prolific の Windows ドライバーは 2012 年以降、サポートを終了した PL2303HXA と PL2303XA チップ、および偽造の PL2303 チップを拒否します。デバイス マネージャーではアダプターに警告マークが表示され、何も通りません。</translation>
    </message>
    <message>
        <source>The adapter is %1: Product id 0000 is what an FTDI driver for Windows of 2014 wrote into counterfeit FT232R chips to stop them working.</source>
        <translation>アダプターは %1 です: 製品 ID 0000 は、2014 年の Windows 用 FTDI ドライバーが偽造の FT232R チップを動作させないように書き込んだものです。</translation>
    </message>
    <message>
        <source>The adapter is %1: Newer FTDI drivers for Windows send &quot;NON GENUINE DEVICE FOUND!&quot; instead of the data through counterfeit FT232R chips.</source>
        <translation>アダプターは %1 です: 新しい Windows 用 FTDI ドライバーは、偽造の FT232R チップを通してデータの代わりに「NON GENUINE DEVICE FOUND!」を送ります。</translation>
    </message>
    <message>
        <source>The adapter is %1: ModemManager may send modem commands to a newly plugged ttyACM device for some seconds; try again after a moment, or have ModemManager ignore the device (ID_MM_DEVICE_IGNORE in a udev rule).</source>
        <translation>アダプターは %1 です: ModemManager は新しく接続された ttyACM デバイスに数秒間モデムコマンドを送ることがあります。少し待ってから再試行するか、ModemManager にデバイスを無視させてください (udev ルールの ID_MM_DEVICE_IGNORE)。</translation>
    </message>
    <message>
        <source>%1, type %2</source>
        <translation>%1、タイプ %2</translation>
    </message>
    <message>
        <source>Ask the administrator of this computer for read and write access to it.</source>
        <translation>このコンピューターの管理者に読み書きの権限を依頼してください。</translation>
    </message>
    <message>
        <source>Log out and log in again.</source>
        <translation>ログアウトしてから、もう一度ログインしてください。</translation>
    </message>
    <message>
        <source>then log out and log in again.</source>
        <translation>その後、ログアウトしてもう一度ログインしてください。</translation>
    </message>
    <message>
        <source>The port is in use by another program.</source>
        <translation>このポートは別のプログラムが使用しています。</translation>
    </message>
    <message>
        <source>Live paused: %1 item not confirmed.</source>
        <translation>ライブ一時停止: %1 件が未確認です。</translation>
    </message>
    <message>
        <source>Live paused: %1 items not confirmed.</source>
        <translation>ライブ一時停止: %1 件が未確認です。</translation>
    </message>
    <message>
        <source>Live: sending %1 item...</source>
        <translation>ライブ: %1 件を送信中...</translation>
    </message>
    <message>
        <source>Live: sending %1 items...</source>
        <translation>ライブ: %1 件を送信中...</translation>
    </message>
    <message>
        <source>The journal of the write could not be kept: %1 Nothing was sent.</source>
        <translation>書き込みのジャーナルを保存できませんでした: %1 何も送信していません。</translation>
    </message>
    <message>
        <source>The radio did not accept &quot;%1&quot;.</source>
        <translation>無線機は「%1」を受け付けませんでした。</translation>
    </message>
    <message>
        <source>Live mode is paused: the radio may not hold %1.</source>
        <translation>ライブモードは一時停止中です: 無線機は %1 を保持していない可能性があります。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ほか %2 件</translation>
    </message>
    <message>
        <source>memory channel %1</source>
        <translation>メモリーチャンネル %1</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL channel %1</source>
        <translation>CALLチャンネル %1</translation>
    </message>
    <message>
        <source>DTMF memory %1</source>
        <translation>DTMFメモリー %1</translation>
    </message>
    <message>
        <source>program VFO %1</source>
        <translation>プログラムVFO %1</translation>
    </message>
    <message>
        <source>menu value %1</source>
        <translation>メニュー値 %1</translation>
    </message>
    <message>
        <source>the comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>The radio answered %1.</source>
        <translation>無線機の応答は %1 でした。</translation>
    </message>
    <message>
        <source>The radio reports type %1; this document is for %2.</source>
        <translation>無線機のタイプは %1 ですが、この文書は %2 用です。</translation>
    </message>
    <message>
        <source>Live: radio holds the document.</source>
        <translation>ライブ: 無線機は文書と同じ内容です。</translation>
    </message>
    <message>
        <source>The exchange with the radio did not end.</source>
        <translation>無線機とのやり取りが終わりませんでした。</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when live mode began. Nothing was sent.</source>
        <translation>無線機の内容はライブモード開始時と異なっています。何も送信していません。</translation>
    </message>
    <message>
        <source>The items sent were not read back.</source>
        <translation>送信した項目を読み戻していません。</translation>
    </message>
    <message>
        <source>The radio gave back otherwise what was sent.</source>
        <translation>無線機から読み戻した内容が送信した内容と異なります。</translation>
    </message>
    <message>
        <source>The document keeps every edit. Check the cable and the radio, then choose Resume: it reads what the radio holds and sends what it lacks.</source>
        <translation>文書の編集はすべて保持されています。ケーブルと無線機を確認してから「再開」を選んでください: 無線機の内容を読み込み、足りない分を送信します。</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1: %2 %3 %4, %5 %6</source>
        <translation>%1: %2 %3 (%4)、%5 (%6)</translation>
    </message>
    <message>
        <source>label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>tone frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>CTCSS frequency</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCSコード</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>lock out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>transmit step</source>
        <translation>送信ステップ</translation>
    </message>
    <message>
        <source>power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>メモリー %1</translation>
    </message>
    <message>
        <source>CALL %1</source>
        <translation>CALL %1</translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <translation>DTMF %1</translation>
    </message>
    <message>
        <source>menu %1</source>
        <translation>メニュー %1</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>lower</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>upper</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>record</source>
        <translation>レコード</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>PDFのエクスポート</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Quorvan Files (*.qvx)</source>
        <translation>Quorvan ファイル (*.qvx)</translation>
    </message>
    <message>
        <source>CSV Files(*.csv);;All Files(*)</source>
        <translation>CSVファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Device path:</source>
        <translation>デバイスのパス:</translation>
    </message>
</context>
<context>
    <name>QLabel</name>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Import CSV</source>
        <translation>CSVのインポート</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSVのエクスポート</translation>
    </message>
    <message>
        <source>These channels were left out because their frequency cannot be read: %1</source>
        <translation>次のチャンネルは周波数を読み取れないため除外しました: %1</translation>
    </message>
</context>
<context>
    <name>RadioCommands</name>
    <message>
        <source>Write Changes</source>
        <translation>変更の書き込み</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>このまま書き込む</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>照合</translation>
    </message>
</context>
<context>
    <name>quorvan::BandChannelForm</name>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
</context>
<context>
    <name>quorvan::ChangeSelectedDialog</name>
    <message>
        <source>Change Selected</source>
        <translation>選択したチャンネルの変更</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>プラスシフト</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>マイナスシフト</translation>
    </message>
    <message>
        <source>The band&apos;s extra shift</source>
        <translation>バンド固有のシフト</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Shift and Offset</source>
        <translation>シフトとオフセット</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>Name prefix</source>
        <translation>名前の先頭</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset in MHz</source>
        <translation>オフセット (MHz)</translation>
    </message>
    <message>
        <source>Tone kind</source>
        <translation>トーンの種類</translation>
    </message>
    <message>
        <source>Tone value</source>
        <translation>トーンの値</translation>
    </message>
</context>
<context>
    <name>quorvan::CsvImportDialog</name>
    <message>
        <source>By Location</source>
        <translation>位置で</translation>
    </message>
    <message>
        <source>From the selected channel on, in file order</source>
        <translation>選択したチャンネルから、ファイルの順に</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVのインポート</translation>
    </message>
    <message>
        <source>Selected channel: %1</source>
        <translation>選択したチャンネル: %1</translation>
    </message>
    <message>
        <source>Select a channel from 0 to 399 to place the rows from there on.</source>
        <translation>0 から 399 のチャンネルを選ぶと、そこから行を配置します。</translation>
    </message>
    <message>
        <source>Place the rows</source>
        <translation>行の配置</translation>
    </message>
</context>
<context>
    <name>quorvan::DiagnosticReportDialog</name>
    <message>
        <source>Diagnostic Report</source>
        <translation>診断レポート</translation>
    </message>
    <message>
        <source>&amp;Record Transfers</source>
        <translation>転送を記録(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Diagnostic Report</source>
        <translation>診断レポートの保存</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
</context>
<context>
    <name>quorvan::FindBar</name>
    <message>
        <source>Find (name or MHz)</source>
        <translation>検索 (名前または MHz)</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>閉じる (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>検索バーを閉じる</translation>
    </message>
    <message>
        <source>Find name or MHz</source>
        <translation>名前または MHz を検索</translation>
    </message>
</context>
<context>
    <name>quorvan::FindRadioDialog</name>
    <message>
        <source>&amp;Use Port</source>
        <translation>このポートを使う(&amp;U)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Find Radio</source>
        <translation>無線機の検索</translation>
    </message>
    <message>
        <source>Trying the serial ports one at a time...</source>
        <translation>シリアルポートを一つずつ試しています...</translation>
    </message>
    <message>
        <source>Trying %1 (%2 of %3)...</source>
        <translation>%1 を試しています (%3 中 %2)...</translation>
    </message>
    <message>
        <source>A radio answered. Use its port?</source>
        <translation>無線機が応答しました。そのポートを使いますか?</translation>
    </message>
    <message>
        <source>%1 radios answered. Choose the port to use.</source>
        <translation>%1 台の無線機が応答しました。使うポートを選んでください。</translation>
    </message>
    <message>
        <source>The search was cancelled.</source>
        <translation>検索をキャンセルしました。</translation>
    </message>
    <message>
        <source>No serial ports were found. Check that the cable&apos;s adapter is plugged in.</source>
        <translation>シリアルポートが見つかりません。ケーブルのアダプターが接続されているか確認してください。</translation>
    </message>
    <message>
        <source>No radio answered. Check that the radio is on and its cable is plugged in at both ends, then try again.</source>
        <translation>無線機が応答しません。無線機の電源が入り、ケーブルが両端で接続されているか確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Ports tried</source>
        <translation>試したポート</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>What each serial port answered</source>
        <translation>各シリアルポートの応答</translation>
    </message>
</context>
<context>
    <name>quorvan::FrequencyGroup</name>
    <message>
        <source>Rx Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>スプリットチャンネル</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>プラスシフト</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>マイナスシフト</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
</context>
<context>
    <name>quorvan::HelpTopics</name>
    <message>
        <source>The user guide was not found.
It is installed with Quorvan as share/doc/quorvan/user-guide.md; it was looked for as:</source>
        <translation>ユーザーガイドが見つかりません。
Quorvan と一緒に share/doc/quorvan/user-guide.md としてインストールされます。次の場所を探しました:</translation>
    </message>
</context>
<context>
    <name>quorvan::HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Pinned</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;Differences:</source>
        <translation>違い(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Restore to Radio</source>
        <translation>無線機に復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Pin</source>
        <translation>固定(&amp;P)</translation>
    </message>
    <message>
        <source>No state of the radio %1 is kept yet.</source>
        <translation>無線機 %1 の状態はまだ保存されていません。</translation>
    </message>
    <message>
        <source>&amp;States of the radio %1, newest first:</source>
        <translation>無線機 %1 の状態 (新しい順)(&amp;S):</translation>
    </message>
    <message>
        <source>Un&amp;pin</source>
        <translation>固定を解除(&amp;P)</translation>
    </message>
    <message>
        <source>Select two entries to see what differs between them.</source>
        <translation>二つの項目を選ぶと違いを表示します。</translation>
    </message>
    <message>
        <source>Entries %1 and %2 hold the same.</source>
        <translation>項目 %1 と %2 は同じ内容です。</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>The radio&apos;s backups, newest first</source>
        <translation>無線機のバックアップ (新しい順)</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveBanner</name>
    <message>
        <source>&amp;Resume</source>
        <translation>再開(&amp;R)</translation>
    </message>
    <message>
        <source>Leave Live Mode</source>
        <translation>ライブモードを終了</translation>
    </message>
</context>
<context>
    <name>quorvan::LiveMode</name>
    <message numerus="yes">
        <source>Write %n Changes First</source>
        <translation>
            <numerusform>先に %n 件の変更を書き込む</numerusform>
        </translation>
    </message>
    <message>
        <source>Read the radio first?</source>
        <translation>先に無線機を読み込みますか?</translation>
    </message>
    <message>
        <source>Read the Radio First</source>
        <translation>先に無線機を読み込む</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage1</name>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation>&quot;A&quot; バンド</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation>&quot;B&quot; バンド</translation>
    </message>
    <message>
        <source>&amp;Operation Band</source>
        <translation>運用バンド(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>バランス(&amp;B)</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>機能(&amp;U)</translation>
    </message>
    <message>
        <source>Dual</source>
        <translation>デュアル</translation>
    </message>
    <message>
        <source>ATT</source>
        <translation>ATT</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>ランプ</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation>電源(&amp;P)</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>バッテリーセーブ</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>表示(&amp;D)</translation>
    </message>
    <message>
        <source>Power on Message</source>
        <translation>パワーオンメッセージ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>DTMF(&amp;T)</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMFロック</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMFホールド</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMFポーズ</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMFスピード</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>VOX(&amp;V)</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOXゲイン</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOXディレイ</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>ビジー時のVOX</translation>
    </message>
    <message>
        <source>From the A band at the left to the B band at the right</source>
        <translation>左が A バンド、右が B バンド</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPage2</name>
    <message>
        <source>R&amp;X/TX</source>
        <translation>RX/TX(&amp;X)</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FMナロー</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>レピーター(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>その他(&amp;O)</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>メモリーグループリンク</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>バーアンテナ</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation>Aバンド送信出力</translation>
    </message>
    <message>
        <source>High</source>
        <translation>ハイ</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>ロー</translation>
    </message>
    <message>
        <source>EL</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation>Bバンド送信出力</translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation>1.2G Aバンド出力</translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation>1.2G Bバンド出力</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>220MHz帯</translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation>HF帯</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>440MHz帯</translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation>1.2GHz帯</translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation>144MHz帯</translation>
    </message>
    <message>
        <source>FM Narrow %1</source>
        <translation>FMナロー %1</translation>
    </message>
    <message>
        <source>Auto Repeater Offset</source>
        <translation>オートレピーターオフセット</translation>
    </message>
    <message>
        <source>1750Hz Tone Key</source>
        <translation>1750Hzトーンキー</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750Hzトーンホールド</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>チューン許可</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>キービープ</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>Seek</source>
        <translation>シーク</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>パケット速度</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>メモリー呼び出し方法</translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation>全バンド</translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation>現在のバンド</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>リチウム</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>アルカリ</translation>
    </message>
</context>
<context>
    <name>quorvan::MenuPageControls</name>
    <message>
        <source>Change %1</source>
        <translation>%1 の変更</translation>
    </message>
</context>
<context>
    <name>quorvan::PortMenu</name>
    <message>
        <source>Other...</source>
        <translation>その他...</translation>
    </message>
    <message>
        <source>&amp;Find Radio</source>
        <translation>無線機を検索(&amp;F)</translation>
    </message>
    <message>
        <source>%1 is invalid.
Please check comport status.</source>
        <translation>%1 は無効です。
COMポートの状態を確認してください。</translation>
    </message>
</context>
<context>
    <name>quorvan::ReportDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
</context>
<context>
    <name>quorvan::StatusAnnouncer</name>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
</context>
<context>
    <name>quorvan::TAboutBox</name>
    <message>
        <source>About Quorvan</source>
        <translation>Quorvan について</translation>
    </message>
    <message>
        <source>Quorvan for the ARVEN and BELTO dual-band radios</source>
        <translation>ARVEN・BELTO デュアルバンド無線機用 Quorvan</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later; it comes with no warranty.</source>
        <translation>GNU General Public License バージョン 3 以降によるフリーソフトウェアです。無保証です。</translation>
    </message>
    <message>
        <source>Version 0.00 Beta %1</source>
        <translation>バージョン 0.00 Beta %1</translation>
    </message>
</context>
<context>
    <name>quorvan::TCallForm</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALLチャンネル</translation>
    </message>
</context>
<context>
    <name>quorvan::TDtmfForm</name>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMFコード</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>quorvan::TEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>quorvan::THelpForm</name>
    <message>
        <source>Quorvan Help</source>
        <translation>Quorvan ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>前へ(&amp;P)</translation>
    </message>
    <message>
        <source>Not found: &quot;%1&quot;</source>
        <translation>見つかりません: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No section &quot;%1&quot; in the guide</source>
        <translation>ガイドに &quot;%1&quot; の節がありません</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>前を検索</translation>
    </message>
</context>
<context>
    <name>quorvan::TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSVのインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSVのエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDFのエクスポート(&amp;D)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>All &amp;Columns</source>
        <translation>すべての列(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>ヘルプトピック(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Diagnostic Report...</source>
        <translation>診断レポート(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>無線機(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>変更分(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>照合(&amp;V)</translation>
    </message>
    <message>
        <source>Verify &amp;After Writing</source>
        <translation>書き込み後に照合(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>ポートの選択(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>行の挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>行の削除</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;M)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Change &amp;Selected...</source>
        <translation>選択したチャンネルの変更(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation>メモリーチャンネルの並べ替え(&amp;O)...</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVのインポート</translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>メモリーチャンネル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>VFO(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>CALLチャンネル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>DTMFメモリー(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>メモリー(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>メニュー(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>メモリー(&amp;Y)</translation>
    </message>
    <message>
        <source>Menu &amp;1</source>
        <translation>メニュー&amp;1</translation>
    </message>
    <message>
        <source>Menu &amp;2</source>
        <translation>メニュー&amp;2</translation>
    </message>
    <message>
        <source>Insert Row at %1</source>
        <translation>%1 に行を挿入</translation>
    </message>
    <message>
        <source>Remove Row %1</source>
        <translation>行 %1 の削除</translation>
    </message>
    <message>
        <source>Move Up %1</source>
        <translation>%1 を上へ移動</translation>
    </message>
    <message>
        <source>Move Down %1</source>
        <translation>%1 を下へ移動</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message>
        <source>Edit Comment</source>
        <translation>コメントの編集</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>表示(&amp;W)</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>&amp;Live Mode</source>
        <translation>ライブモード(&amp;L)</translation>
    </message>
    <message>
        <source>Waiting to be sent to the radio</source>
        <translation>無線機への送信待ち</translation>
    </message>
    <message>
        <source>Sent to the radio, being read back</source>
        <translation>無線機に送信済み、読み戻し中</translation>
    </message>
    <message>
        <source>Confirmed: the radio holds this row</source>
        <translation>確認済み: 無線機はこの行を保持しています</translation>
    </message>
    <message>
        <source>Not confirmed: the radio may not hold this row</source>
        <translation>未確認: 無線機はこの行を保持していない可能性があります</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>送信済み</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>確認済み</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
</context>
<context>
    <name>quorvan::TMemoryForm</name>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>メモリーチャンネル番号</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
</context>
<context>
    <name>quorvan::TSetupForm</name>
    <message>
        <source>Quorvan</source>
        <translation>Quorvan</translation>
    </message>
    <message>
        <source>Which radio do you have?</source>
        <translation>お使いの無線機はどれですか?</translation>
    </message>
</context>
<context>
    <name>quorvan::TSortForm</name>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation>メモリーチャンネルの並べ替え</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>quorvan::TVfoForm</name>
    <message>
        <source>VfoForm</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Program VFO</source>
        <translation>プログラムVFO</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Program VFO lower limit</source>
        <translation>プログラムVFOの下限</translation>
    </message>
    <message>
        <source>Lowest whole MHz of the range</source>
        <translation>範囲の下限 (MHz 単位)</translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation>プログラムVFOの上限</translation>
    </message>
    <message>
        <source>Highest whole MHz of the range</source>
        <translation>範囲の上限 (MHz 単位)</translation>
    </message>
</context>
<context>
    <name>quorvan::TWelcomeForm</name>
    <message>
        <source>Quorvan</source>
        <translation>Quorvan</translation>
    </message>
    <message>
        <source>Memory channel programming for ARVEN and BELTO</source>
        <translation>ARVEN・BELTO用メモリーチャンネル書き込みソフト</translation>
    </message>
</context>
<context>
    <name>quorvan::ToneGroup</name>
    <message>
        <source>Tone/CTCSS/DCS</source>
        <translation>トーン/CTCSS/DCS</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCSコード</translation>
    </message>
</context>
<context>
    <name>quorvan::TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>無線機からデータを読み込んでいます。</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>無線機にデータを書き込んでいます。</translation>
    </message>
</context>
</TS>
