<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BirthDetails</name>
    <message>
        <source>Please Enter Your Name !</source>
        <translation>Пожалуйста, введите ваше имя!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Пожалуйста, введите правильный день или месяц!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Пожалуйста, введите правильный день или месяц!</translation>
    </message>
</context>
<context>
    <name>Interpretation</name>
    <message>
        <source>You will love being young all your life. But with age you will also respect the experience that you have gained through your life.</source>
        <translation>Вы всю жизнь будете любить молодость. Но с годами вы научитесь ценить и опыт, который подарила вам жизнь.</translation>
    </message>
    <message>
        <source>You will believe in nourishing and caring the old fashioned way. To know that your family is eating and sleeping well will matter a lot to you. You will also make it a point to be financially stable.</source>
        <translation>Вы будете верить в заботу и опеку по старинке. Для вас будет очень важно знать, что ваша семья хорошо ест и хорошо спит. Вы также непременно позаботитесь о своём финансовом благополучии.</translation>
    </message>
    <message>
        <source>You will lead a very unstable life. You may move or relocate a lot and thus find yourself at a new place every few days, months or years. You will be comfortable with technology.</source>
        <translation>Ваша жизнь будет очень непостоянной. Возможно, вы будете часто переезжать и каждые несколько дней, месяцев или лет оказываться на новом месте. С техникой вы будете легко ладить.</translation>
    </message>
    <message>
        <source>You will not be able to stick to a single place. You will wander through many places before you find a place that you can call your home.</source>
        <translation>Вам не усидеть на одном месте. Вы будете странствовать по многим краям, прежде чем найдёте место, которое сможете назвать своим домом.</translation>
    </message>
    <message>
        <source>People may find you arrogant and overbearing. You will be like the mother lion and expect to be respected. You will be self sacrificing for your family.</source>
        <translation>Окружающим может казаться, что вы высокомерны и властны. Как львица-мать, вы будете ждать к себе уважения. Ради своей семьи вы будете готовы пожертвовать собой.</translation>
    </message>
    <message>
        <source>You care a lot about other people&apos;s feelings. You are more expressive in written communication than oral.</source>
        <translation>Чувства других людей очень важны для вас. Письменно вы выражаете свои мысли лучше, чем устно.</translation>
    </message>
    <message>
        <source>You will believe in yourself and always trust people. You set yourself very high ideals and strive to stand by them. You can fight people but at the same time need a peaceful and happy atmosphere.</source>
        <translation>Вы будете верить в себя и всегда доверять людям. Вы ставите перед собой очень высокие идеалы и стараетесь им следовать. Вы способны спорить с людьми, но при этом нуждаетесь в мирной и радостной обстановке.</translation>
    </message>
    <message>
        <source>Your home is your secret hiding place where you will hide from the world. You will crave for privacy.</source>
        <translation>Ваш дом — ваше тайное убежище, где вы будете скрываться от мира. Вы будете жаждать уединения.</translation>
    </message>
    <message>
        <source>You will not live at one place. You will be religious.</source>
        <translation>Вы не будете жить на одном месте. Вы будете религиозны.</translation>
    </message>
    <message>
        <source>You will never be happy with your life if you keep looking at the bits and pieces. Learn to enjoy yourself and have a happy time with your family. You may have seen separation from one parent. You will be highly responsible.</source>
        <translation>Вы никогда не будете довольны жизнью, если будете замечать одни лишь мелочи. Научитесь радоваться жизни и счастливо проводить время с семьёй. Возможно, вам довелось пережить разлуку с одним из родителей. Вы будете очень ответственны.</translation>
    </message>
    <message>
        <source>You will overdo things for your family. Even if you are not in a physical or mental position to help people, you will never give up. Family will not mean a normal life but something different.</source>
        <translation>Ради семьи вы будете делать больше, чем нужно. Даже если у вас не будет ни телесных, ни душевных сил помогать людям, вы никогда не сдадитесь. Семья будет значить для вас не обычную жизнь, а нечто иное.</translation>
    </message>
    <message>
        <source>You will be comfortable with people who are gentle and loving. You will also plan for the future so that others can enjoy the fruits of your labor.</source>
        <translation>Вам будет хорошо рядом с мягкими и любящими людьми. Вы также будете строить планы на будущее, чтобы другие могли наслаждаться плодами вашего труда.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Приложение уже запущено</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, для этой программы есть обновление<byte value="xd"/>Хотите проверить наличие обновлений?</translation>
    </message>
</context>
<context>
    <name>TimeSlot</name>
    <message>
        <source>4am-6am</source>
        <extracomment>A two-hour slot of the day of birth, in the style of the language&apos;s clocks; the list is narrow.</extracomment>
        <translation>4–6 ч</translation>
    </message>
    <message>
        <source>2am-4am</source>
        <translation>2–4 ч</translation>
    </message>
    <message>
        <source>midnight-2am</source>
        <translation>0–2 ч</translation>
    </message>
    <message>
        <source>10pm-midnight</source>
        <translation>22–24 ч</translation>
    </message>
    <message>
        <source>8pm-10pm</source>
        <translation>20–22 ч</translation>
    </message>
    <message>
        <source>6pm-8pm</source>
        <translation>18–20 ч</translation>
    </message>
    <message>
        <source>4pm-6pm</source>
        <translation>16–18 ч</translation>
    </message>
    <message>
        <source>2pm-4pm</source>
        <translation>14–16 ч</translation>
    </message>
    <message>
        <source>noon-2pm</source>
        <translation>12–14 ч</translation>
    </message>
    <message>
        <source>10am-noon</source>
        <translation>10–12 ч</translation>
    </message>
    <message>
        <source>8am-10am</source>
        <translation>8–10 ч</translation>
    </message>
    <message>
        <source>6am-8am</source>
        <translation>6–8 ч</translation>
    </message>
</context>
<context>
    <name>WindowLook</name>
    <message>
        <source>The most popular online discussion board and the best resource for astrology and the occult on the Internet. Visit %1 Now</source>
        <translation>Самый популярный форум и лучший источник знаний об астрологии и оккультизме в интернете. Посетите %1 прямо сейчас</translation>
    </message>
</context>
<context>
    <name>ZodiacSign</name>
    <message>
        <source>Aries</source>
        <extracomment>The sign&apos;s name as astrologers of the language write it.</extracomment>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. This is what makes you comfortable in life. This stands for security and stability.</source>
        <translation>Quorvis означает начало и конец жизни человека. Imum Coeli, или надир, — самая нижняя точка гороскопа. Он больше расскажет вам о том, чего вы желаете в личной жизни, в семье и детях, в заботе и любви. Он показывает, что дарит вам в жизни покой и уют. Он символизирует защищённость и стабильность.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Открывает сайт разработчика в вашем браузере</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Открывает в браузере страницу о версии под вашим брендом</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Нажмите здесь, чтобы узнать больше</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Quorvis icon</source>
        <translation>Значок Quorvis</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Нажмите, чтобы посетить %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Открывает в браузере страницу о совместном брендинге</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Добавьте в эту программу имя вашего сайта.  Больше постоянных посетителей для вашего сайта. Разместите здесь название &amp;  ссылку вашего сайта. Подробнее — в «Справке».    Нажмите здесь, чтобы узнать о совместном брендинге.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Открывает в браузере страницу о версии под вашим брендом</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта. Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Quorvis Result</source>
        <translation>Результат Quorvis</translation>
    </message>
    <message>
        <source>Nadir Sign</source>
        <translation>Знак надира</translation>
    </message>
    <message>
        <source>Your Nadir Sign Is In</source>
        <translation>Знак вашего надира</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Толкование</translation>
    </message>
    <message>
        <source>Sign picture</source>
        <translation>Изображение знака</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Открывает сайт разработчика в вашем браузере</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Найти мой &amp;точный надир…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Онлайн-&amp;справка</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать онлайн</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Opens the co-branding offer page in your web browser</source>
        <translation>Открывает в браузере страницу о совместном брендинге</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Добавьте в эту программу имя вашего сайта.  Больше постоянных посетителей для вашего сайта. Разместите здесь название &amp;  ссылку вашего сайта. Подробнее — в «Справке».    Нажмите здесь, чтобы узнать о совместном брендинге.</translation>
    </message>
    <message>
        <source>Opens the fully-branded offer page in your web browser</source>
        <translation>Открывает в браузере страницу о версии под вашим брендом</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте собственный интернет-бизнес и зарабатывайте онлайн. Получите эту программу под брендом вашего сайта. Нажмите здесь, чтобы узнать больше.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Quorvis signifies the beginning and end of a person&apos;s life. The Imum Coeli or Nadir is the point at the lowest point of the horoscope. This gives you more information about what you desire in life related to your personal life, family, children, caring and loving. Get your reading now!</source>
        <translation>Quorvis означает начало и конец жизни человека. Imum Coeli, или надир, — самая нижняя точка гороскопа. Он больше расскажет вам о том, чего вы желаете в личной жизни, в семье и детях, в заботе и любви. Получите своё толкование прямо сейчас!</translation>
    </message>
    <message>
        <source>Enter the Correct Details and Know More about Yourself </source>
        <translation>Введите точные данные и узнайте о себе больше </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Name:-</source>
        <translation>Имя:-</translation>
    </message>
    <message>
        <source>Date Of Birth:-</source>
        <translation>Дата рождения:-</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Time Of Birth</source>
        <translation>Время рождения</translation>
    </message>
    <message>
        <source>Time Of Birth:-</source>
        <translation>Время рождения:-</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s home page in your web browser</source>
        <translation>Открывает сайт разработчика в вашем браузере</translation>
    </message>
    <message>
        <source>Find My &amp;Quorvis Sign</source>
        <translation>&amp;Найти мой знак Quorvis</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Find My &amp;Exact Nadir…</source>
        <translation>Найти мой &amp;точный надир…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Онлайн-&amp;справка</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать онлайн</translation>
    </message>
    <message>
        <source>Please Enter Only Alphabet !</source>
        <translation>Пожалуйста, вводите только буквы!</translation>
    </message>
</context>
<context>
    <name>frmPromotion</name>
    <message>
        <source>Quorvis icon</source>
        <translation>Значок Quorvis</translation>
    </message>
    <message>
        <source>Opens the Pellmark home page in your web browser</source>
        <translation>Открывает сайт Pellmark в вашем браузере</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Посоветуйте другу</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Порекомендовать сейчас</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Download Pellmark Softwares</source>
        <translation>Скачать программы Pellmark</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Pellmark Softwares. From a single software, we have now grown to become the world’s largest resource of pellmark softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.                                                             All the programs in the Pellmark Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие программы Pellmark. Начав с одной-единственной программы, мы выросли в крупнейшую в мире коллекцию программ Pellmark. Астрология, ясновидение, таро, нумерология или оккультизм — у нас есть программы для всех областей, и каждый пользователь найдёт то, что ему по душе.                                                             Все программы из набора Pellmark просты и удобны. С ними не только интересно, но и очень познавательно. Попробуйте их уже сегодня и поделитесь впечатлениями с друзьями и близкими. </translation>
    </message>
    <message>
        <source>Opens the Pellmark Softwares page in your web browser</source>
        <translation>Открывает страницу программ Pellmark в вашем браузере</translation>
    </message>
    <message>
        <source>Click Here To Visit Pellmark Softwares</source>
        <translation>Нажмите, чтобы перейти к программам Pellmark</translation>
    </message>
    <message>
        <source>Pellmark Softwares, such as this can be created and maintained only with your support. The best way to support Pellmark is to visit Pellmark regularly and take part in the discussions and other activities on the board.</source>
        <translation>Такие программы Pellmark, как эта, могут создаваться и развиваться только благодаря вам. Лучший способ поддержать Pellmark — регулярно заходить на Pellmark и участвовать в обсуждениях и других делах форума.</translation>
    </message>
    <message>
        <source>Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Pellmark</source>
        <translation>Заходите на Pellmark регулярно. Поддержите Pellmark, участвуя в обсуждениях и других делах форума. Без ваших регулярных визитов на Pellmark эти программы невозможно поддерживать и развивать</translation>
    </message>
    <message>
        <source>Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. Visit Pellmark regularly to help us develop and maintain this software.</source>
        <translation>Pellmark — БЕСПЛАТНЫЙ онлайн-форум об астрологии, ясновидении, таро, нумерологии и оккультизме. Регулярно заходите на Pellmark, чтобы помочь нам развивать и поддерживать эту программу.</translation>
    </message>
    <message>
        <source>Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various discussions and activites to help us maintain and develop more Pellmark Softwares.</source>
        <translation>Pellmark нуждается в вашей помощи. Вам нужно лишь регулярно заходить на Pellmark и участвовать в обсуждениях и других делах форума, чтобы помочь нам поддерживать и создавать новые программы Pellmark.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Нажмите, чтобы посетить %1 сейчас</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес эл. почты не может содержать пробелов</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Пожалуйста, введите два разных адреса эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Пожалуйста, введите правильный адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Пожалуйста, введите ваше имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Пожалуйста, введите ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Пожалуйста, введите ваше сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Пожалуйста, введите имя вашего друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Пожалуйста, введите адрес эл. почты вашего друга</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
</context>
</TS>
